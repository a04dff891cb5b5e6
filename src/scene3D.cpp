#include "scene3D.h"

#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace {

long long steadyMillis()
{
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return duration_cast<milliseconds>(steady_clock::now() - start).count();
}

} // namespace

Scene3D::Scene3D(QWidget *parent)
    : GLWidget(parent), xRot(-90), yRot(0), zRot(0), xTra(0), yTra(0), zTra(0), nSca(0.2f), nAni(0),
      antiAliasing(false), makean(true), ptrMousePosition(0, 0), tick(steadyMillis),
      clockSource(model::currentClockFields)
{
    const char *check = std::getenv("VELKAR_CHECK_GL");
    checkGlErrors = check && std::strcmp(check, "1") == 0;

    // One reading now, so the hands of the very first frame already show the time.
    setClockFields(clockSource());

    QTimer *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &Scene3D::updateGL);
    timer->start(1000);
}

Scene3D::~Scene3D()
{
    if (texture) {
        makeCurrent();
        deletePicture(texture);
    }
}

void Scene3D::setClockFields(const model::ClockFields &fields)
{
    sec = fields.sec;
    min = fields.min;
    min12 = fields.min12;
    hou = fields.hou;
}

void Scene3D::getVertexArray()
{
    model::buildVertices(nAni, sec, min, min12);
}
void Scene3D::getColorArray()
{
    model::buildColors();
}
void Scene3D::getIndexArray()
{
    model::buildIndices();
}
