// The lid: single steps and the timed opening and closing at one radian per second.
// Each change of angle nudges the view (yTra) so the phone stays in the window.
#include "scene3D.h"

namespace {

constexpr double kFrameShift = 0.0005;
constexpr GLfloat kTicksPerRadian = 1000.0f;
constexpr double kCloseThreshold = -0.001;

} // namespace

void Scene3D::openroof_up()
{
    model::lidStep(nAni, yTra, 1);
    getVertexArray();
    updateGL();
}

void Scene3D::openroof_down()
{
    model::lidStep(nAni, yTra, -1);
    getVertexArray();
    updateGL();
}

// The angle follows the clock from the start angle, so a slow frame makes a larger step,
// not a slower animation. The loop renders its own frames and handles no events.
void Scene3D::openroof_auto_up()
{
    const GLfloat t = nAni * kTicksPerRadian;
    const long long clock0 = tick();
    long long clock1 = static_cast<long long>(tick() + double(t));
    while ((clock1 - clock0) / 1000.0 <= model::kLidOpen) {
        nAni = GLfloat((clock1 - clock0) / 1000.0);
        yTra = GLfloat(yTra - kFrameShift);
        getVertexArray();
        updateGL();
        clock1 = static_cast<long long>(tick() + double(t));
    }
    // The last reading within the three seconds can come a slow frame short of the end;
    // the lid still ends fully open, one more step as any other.
    if (nAni < model::kLidOpen) {
        nAni = model::kLidOpen;
        yTra = GLfloat(yTra - kFrameShift);
        getVertexArray();
        updateGL();
    }
}

void Scene3D::openroof_auto_down()
{
    const GLfloat t = nAni * kTicksPerRadian;
    long long clock0 = tick();
    const long long clock1 = static_cast<long long>(tick() + double(t));
    while ((clock1 - clock0) / 1000.0 >= kCloseThreshold) {
        nAni = GLfloat((clock1 - clock0) / 1000.0);
        if (nAni < 0)
            nAni = 0;
        else
            yTra = GLfloat(yTra + kFrameShift);
        getVertexArray();
        updateGL();
        clock0 = tick();
    }
}
