// View commands: fixed steps on the view state, the antialiasing switch and the reset.
#include "scene3D.h"

#include <QtGlobal>

namespace {

constexpr double kScaleFactor = 1.1;
constexpr GLfloat kRotationStep = 1.0f;
constexpr double kTranslationStep = 0.05;

// Without bounds a long zoom out underflows the scale to zero, after which no zoom step
// brings it back and the drag rate (180 / scale) is infinite.
constexpr double kMinScale = 0.001;
constexpr double kMaxScale = 1000.0;

GLfloat boundedScale(double scale)
{
    return GLfloat(qBound(kMinScale, scale, kMaxScale));
}

} // namespace

void Scene3D::scale_plus()
{
    nSca = boundedScale(nSca * kScaleFactor);
}
void Scene3D::scale_minus()
{
    nSca = boundedScale(nSca / kScaleFactor);
}

void Scene3D::rotate_up()
{
    xRot += kRotationStep;
}
void Scene3D::rotate_down()
{
    xRot -= kRotationStep;
}
void Scene3D::rotate_left()
{
    zRot += kRotationStep;
}
void Scene3D::rotate_right()
{
    zRot -= kRotationStep;
}

void Scene3D::translate_down()
{
    yTra = GLfloat(yTra - kTranslationStep);
}
void Scene3D::translate_up()
{
    yTra = GLfloat(yTra + kTranslationStep);
}
void Scene3D::translate_left()
{
    xTra = GLfloat(xTra - kTranslationStep);
}
void Scene3D::translate_right()
{
    xTra = GLfloat(xTra + kTranslationStep);
}

void Scene3D::endisAntiAliasing()
{
    makeCurrent(); // called from an input handler, outside any frame
    if (antiAliasing)
        glDisable(GL_LINE_SMOOTH);
    else
        glEnable(GL_LINE_SMOOTH);
    antiAliasing = !antiAliasing;
}

void Scene3D::toggleControls()
{
    controlsShown = !controlsShown;
}

void Scene3D::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void Scene3D::defaultScene()
{
    makeCurrent();
    xRot = -90;
    yRot = zRot = 0;
    xTra = yTra = zTra = 0;
    antiAliasing = false;
    glDisable(GL_LINE_SMOOTH);
    makean = true;
    nSca = 0.2f;
    nAni = 0;
    updateGL();
}
