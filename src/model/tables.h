// The phone model: global vertex, colour and index tables and the builders that fill them.
// Everything here is plain data and plain arithmetic; nothing makes a GL call, so the
// builders run and are tested without a window or a GL context.
#pragma once

#include <GL/gl.h>
#include <ctime>

// A vertex is stored (X, Z, Y): the model's Y is the third float, its Z the second.
constexpr int X = 0;
constexpr int Z = 1;
constexpr int Y = 2;

constexpr float pi = 3.141593f;

constexpr int kVertexCount = 250;
constexpr int kLastWrittenVertex = 246; // 247-249 are never written and stay (0, 0, 0)

extern GLfloat VertexArray[kVertexCount][3];
extern GLfloat ColorArray[kVertexCount][4];

// Index tables, named after their primitive's size; all start zeroed.
extern GLubyte Array4[50][4];     // lit quads
extern GLubyte Array4d[40][4];    // unlit quads
extern GLubyte Array18[4][19];    // ring polygons: 18 points and the first again
extern GLubyte Array4m[10][4];    // translucent overlay quads
extern GLubyte IndexArray[70][2]; // outlines
extern GLubyte PointsHo[12];      // dial marks
extern GLubyte ArrayNum[34][2];   // digit strokes (pairs 0-29) and colon dots (pairs 30-31)
extern GLubyte ArrayAn[4][4];     // hour and minute hand quads (rows 0-1)
extern GLubyte secStr[2];         // second hand line

namespace model {

// Draw counts: how much of each table one figure drawing hands to glDrawElements.
constexpr int kArray4Drawn = 168;
constexpr int kIndexArrayDrawn = 140;
constexpr int kArray4dDrawn = 124;
constexpr int kArray18RowsDrawn = 3;
constexpr int kArray4mDrawn = 12;

// Hinge axis: the line Y = 1.5, Z = 0, parallel to X.
constexpr double kHingeY = 1.5;

// The one place where the (X, Y, Z) naming meets the (X, Z, Y) storage.
inline void put(int v, double x, double y, double z)
{
    VertexArray[v][X] = GLfloat(x);
    VertexArray[v][Y] = GLfloat(y);
    VertexArray[v][Z] = GLfloat(z);
}

// A lid point turned about the hinge: r is its distance from the axis, a its phase
// in the closed position. Evaluated in double, stored as float.
void putHinged(int v, double x, double r, double a, double nAni);

// Writes vertices 0-246 for the lid angle and the clock fields; never touches 247-249.
void buildVertices(double nAni, int sec, int min, int min12);
// The parts of the phone, each writing its own vertex ranges.
void buildBody();                                              // 0-10, 19-23, 28-30, 35-44, 85-130
void buildLid(double nAni);                                    // 11-18, 24-27, 31-34, 45-84
void buildClockFace(double nAni, int sec, int min, int min12); // 155-174
void buildDetails();                                           // 131-154, 175-246

// The screen quad's corners (vertices 31-34) for a lid angle, as the vertex build places them.
struct Point3 {
    GLfloat x, y, z; // model naming
};
Point3 screenCorner(int vertex, double nAni);

void buildColors();  // ColorArray, every entry
void buildIndices(); // Array4, Array4d, Array18, Array4m, IndexArray, PointsHo

// The dial marks drawn large and red: 12, 3, 9 and 6 o'clock.
inline constexpr GLubyte kLargeDialMarks[4] = {163, 168, 169, 174};

// The overlay quads' fourth vertices, which give the quads their colour under flat shading:
// the frame tints these two for the overlay draw only.
inline constexpr int kOverlayTinted[2] = {11, 30};

// The colons between hours and minutes and between minutes and seconds: lower, upper dot.
inline constexpr GLubyte kColonDots[2][2] = {{57, 58}, {71, 72}};

// The rows drawNumb writes after the digits: colon dots, hand quads and second hand.
void putClockRows();

// Digit renderer: fills ArrayNum rows 0-31, ArrayAn rows 0-1 and secStr. switchNumb(t, pos,
// arr) puts digit t into the cell whose base vertex is pos and first row arr, and leaves the
// cell as it was for a t outside 0-9; the widget passes its own.
template <class SwitchNumb> void drawNumb(int hour, int min, int sec, SwitchNumb &&switchNumb)
{
    switchNumb(hour / 10, 45, 0);
    switchNumb(hour % 10, 51, 5);
    switchNumb(min / 10, 59, 10);
    switchNumb(min % 10, 65, 15);
    switchNumb(sec / 10, 73, 20);
    switchNumb(sec % 10, 79, 25);
    putClockRows();
}
// Writes the strokes of one digit 0-9 into ArrayNum rows arr..arr+4 (no range check).
void drawGlyph(int digit, GLubyte pos, int arr);

// The five strokes of each digit as pairs of cell positions 0-5 (0-0 is the empty stroke).
extern const GLubyte kGlyphs[10][5][2];

// The clock fields, from a local broken-down time (daylight-saving time included).
struct ClockFields {
    int sec;
    int min;
    int min12; // hour hand step on a 60-step dial, one step per 12 minutes
    int hou;
};
ClockFields clockFields(const std::tm &local);

// One reading of the wall clock: the fields to show, and the second and the point within it
// that they were read at, which the repaint timer aims from.
struct ClockReading {
    ClockFields fields;
    long long second; // since the epoch
    long nanos;       // into that second, 0-999999999
};
// The local wall time now.
ClockReading readClock();

} // namespace model
