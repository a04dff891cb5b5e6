// The view steps. Each is computed in double from a single-precision state and stored back
// as single precision, so every follower of the view lands on the very same floats.
#include "view.h"

#include <algorithm>

namespace {

constexpr double kScaleFactor = 1.1;
constexpr GLfloat kRotationStep = 1.0f;
constexpr double kTranslationStep = 0.05;

// Without bounds a long zoom out underflows the scale to zero, after which no zoom step
// brings it back and the drag rate (180 / scale) is infinite.
constexpr double kMinScale = 0.001;
constexpr double kMaxScale = 1000.0;

constexpr double kLidStep = 0.03;
constexpr double kLidStepShift = 0.01;

GLfloat boundedScale(double scale)
{
    return GLfloat(std::clamp(scale, kMinScale, kMaxScale));
}

} // namespace

GLfloat model::scaledUp(GLfloat nSca)
{
    return boundedScale(nSca * kScaleFactor);
}
GLfloat model::scaledDown(GLfloat nSca)
{
    return boundedScale(nSca / kScaleFactor);
}

GLfloat model::turned(GLfloat degrees, int steps)
{
    for (; steps > 0; --steps)
        degrees += kRotationStep;
    for (; steps < 0; ++steps)
        degrees -= kRotationStep;
    return degrees;
}

GLfloat model::moved(GLfloat translation, int steps)
{
    for (; steps > 0; --steps)
        translation = GLfloat(translation + kTranslationStep);
    for (; steps < 0; ++steps)
        translation = GLfloat(translation - kTranslationStep);
    return translation;
}

void model::lidStep(GLfloat &nAni, GLfloat &yTra, int direction)
{
    if (direction > 0) {
        nAni = GLfloat(nAni + kLidStep);
        if (nAni > kLidOpen)
            nAni = kLidOpen;
        else
            yTra = GLfloat(yTra - kLidStepShift);
    } else {
        nAni = GLfloat(nAni - kLidStep);
        if (nAni < 0)
            nAni = 0;
        else
            yTra = GLfloat(yTra + kLidStepShift);
    }
}

GLfloat model::dragged(GLfloat degrees, GLfloat nSca, int pixels, int extent)
{
    const GLfloat rate = 180 / nSca;
    return GLfloat(degrees + double(rate * pixels) / extent);
}
