// The view: where the phone stands in the window and the fixed steps that move it. Plain
// arithmetic on the view state, so the widget and everything that follows it (tests, the
// bench, scripts) share one definition of each rule and number.
#pragma once

#include <GL/gl.h>

namespace model {

// Rotations in degrees, translations and scale in model units, the lid angle in radians.
struct View {
    GLfloat xRot, yRot, zRot;
    GLfloat xTra, yTra, zTra;
    GLfloat nSca;
    GLfloat nAni;
};

// The phone seen face-on with the lid closed: how velkar starts and what Space restores.
constexpr View kStartView = {-90.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.2f, 0.0f};

// Offsets of the twelve extra draws of the antialiasing pass, in thousandths of a model unit
// (x, y, z), applied on top of the view transform.
// clang-format off
constexpr int kJitterOffsets[12][3] = {
    { 0, -1, -1}, { 0,  1,  1}, { 0,  1, -1}, { 0,  1, -1},
    {-1, -1,  0}, { 1,  1,  0}, {-1,  1,  0}, { 1, -1,  0},
    {-1,  0, -1}, { 1,  0,  0}, { 0,  1,  1}, { 0, -1,  0},
};
// clang-format on
constexpr double kJitterDivisor = 1000.0;

// The lid's angle when fully open, in radians (0 is closed).
constexpr GLfloat kLidOpen = 3.0f;

// One zoom step in (scale_plus) or out (scale_minus).
GLfloat scaledUp(GLfloat nSca);
GLfloat scaledDown(GLfloat nSca);
// Rotation steps of one degree and translation steps of 0.05; steps may be negative.
GLfloat turned(GLfloat degrees, int steps);
GLfloat moved(GLfloat translation, int steps);
// One lid step of 0.03 radians, opening (+1) or closing (-1) within 0..3; while the angle
// changes, yTra follows so that the phone stays in the window.
void lidStep(GLfloat &nAni, GLfloat &yTra, int direction);
// A drag of `pixels` along a window side of `extent` pixels: a drag across the whole side
// turns the model by 180 / scale degrees.
GLfloat dragged(GLfloat degrees, GLfloat nSca, int pixels, int extent);

} // namespace model
