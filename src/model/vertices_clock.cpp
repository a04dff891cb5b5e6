// The analog clock on the main screen: dial centre, the three hands and the twelve dial marks.
// All of them turn with the lid; the hands also turn with the clock fields.
#include "tables.h"
#include "vertices_rows.h"

#include <cmath>
#include <iterator>

namespace {

using model::rows::Hinged;
using model::rows::numberedFrom;

// The phase of the dial centre. Every hand point uses it, whatever its distance from the
// axis, so the hands lie in the plane through the hinge axis and the dial centre.
constexpr double kDialPhase = 0.109089;

constexpr Hinged kDialCentre = {155, 0.0f, 2.1125577, kDialPhase};

enum class Field { Hour, Minute, Second };

// A hand point at dial angle t lies rhoX * sin(t + delta) across the hand's axis and
// d0 + rhoY * cos(t + delta) from the hinge axis.
struct HandPoint {
    int v;
    Field field;
    double delta, rhoX, rhoY, d0;
};

// clang-format off

// Hands: hour 156-158, minute 159-161 (shoulder, shoulder, tip), second hand tip 162
//      v   field              delta        rhoX        rhoY        d0
constexpr HandPoint kHands[] = {
    { 156, Field::Hour,   -0.4636476,  0.2236068,  0.2236068,  2.1114924 },
    { 157, Field::Hour,    0.4636476,  0.2236068,  0.2236068,  2.1114924 },
    { 158, Field::Hour,    0.0,        0.5,        0.6,        2.1114924 },
    { 159, Field::Minute, -0.2449787,  0.2061553,  0.2061553,  2.1104739 },
    { 160, Field::Minute,  0.2449787,  0.2061553,  0.2061553,  2.1104739 },
    { 161, Field::Minute,  0.0,        0.8,        1.0,        2.1104739 },
    { 162, Field::Second,  0.0,        0.8,        1.0,        2.1095023 },
};
static_assert(std::size(kHands) == 7 && numberedFrom(kHands, 156), "hands are vertices 156-162");

// A dial mark: its hour j (0 is 12 o'clock), which side of the dial's vertical it lies on
// (+1 right, -1 left, 0 on it) and its hinge constants
struct DialMark {
    int v;
    int hour;
    int side;
    double r, a;
};

// Dial marks, each pair right then left of the 12-6 line
//      v  hour side      r            a
constexpr DialMark kDialMarks[] = {
    { 163,  0,    0,  3.1672385,  0.1043812 },
    { 164,  1,   +1,  3.0273664,  0.1092227 },
    { 165,  1,   -1,  3.0273664,  0.1092227 },
    { 166,  2,   +1,  2.6456615,  0.1312413 },
    { 167,  2,   -1,  2.6456615,  0.1312413 },
    { 168,  3,   +1,  2.1257704,  0.1558682 },
    { 169,  3,   -1,  2.1257704,  0.1558682 },
    { 170,  4,   +1,  1.6092001,  0.1917331 },
    { 171,  4,   -1,  1.6092001,  0.1917331 },
    { 172,  5,   +1,  1.2857066,  0.2703678 },
    { 173,  5,   -1,  1.2857066,  0.2703678 },
    { 174,  6,    0,  1.1006362,  0.3045109 },
};
static_assert(std::size(kDialMarks) == 12 && numberedFrom(kDialMarks, 163),
              "dial marks are vertices 163-174");

// clang-format on

static_assert(kDialCentre.v + 1 == kHands[0].v, "the hands follow the dial centre");

int fieldValue(Field field, int sec, int min, int min12)
{
    switch (field) {
    case Field::Hour: return min12;
    case Field::Minute: return min;
    case Field::Second: return sec;
    }
    return 0;
}

// The marks on the 12-6 line sit at X = 0 exactly; the others take the sine of their hour
// angle, which is rounded to float first.
double markX(const DialMark &m)
{
    if (m.side == 0)
        return 0.0;
    const float angle = m.hour * pi / 6;
    return m.side * 0.8 * std::sin(double(angle));
}

} // namespace

void model::buildClockFace(double nAni, int sec, int min, int min12)
{
    putHinged(kDialCentre.v, kDialCentre.x, kDialCentre.r, kDialCentre.a, nAni);

    // One step of a clock field is a sixtieth of a turn of 2 * pi in single precision.
    const double turn = 2 * pi;
    for (const HandPoint &h : kHands) {
        const double t = fieldValue(h.field, sec, min, min12) * turn / 60 + h.delta;
        const double distance = h.d0 + h.rhoY * std::cos(t);
        putHinged(h.v, h.rhoX * std::sin(t), distance, kDialPhase, nAni);
    }

    for (const DialMark &m : kDialMarks)
        putHinged(m.v, markX(m), m.r, m.a, nAni);
}
