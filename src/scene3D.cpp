#include "scene3D.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "picturedialog.h"

namespace {

long long steadyMillis()
{
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return duration_cast<milliseconds>(steady_clock::now() - start).count();
}

} // namespace

Scene3D::Scene3D(QWidget *parent)
    : GLWidget(parent),
      antiAliasing(false),
      makean(true),
      ptrMousePosition(0, 0),
      tick(steadyMillis),
      clockSource(model::readClock),
      lastReading(clockSource()),
      repaintTimer(new QTimer(this)),
      timerArm{}
{
    const char *check = std::getenv("VELKAR_CHECK_GL");
    checkGlErrors = check && std::strcmp(check, "1") == 0;
    setView(model::kStartView);

    // The reading taken above, so the hands of the very first frame already show the time.
    setClockFields(lastReading.fields);
    setAcceptDrops(true);
    pictureChooser = choosePicture;
    folderChooser = choosePictureFolder;
    platform = QGuiApplication::platformName();
    setToolTip(QCoreApplication::translate(
        "Scene3D", "Right-click for the menu of commands, F1 for the list of controls"));
    setAccessibleName("Velkar");
    describeForAccessibility();

    // A coarse timer would wander by up to 5% of its interval, so the second on screen would
    // change anywhere within the wall clock's second.
    repaintTimer->setSingleShot(true);
    repaintTimer->setTimerType(Qt::PreciseTimer);
    connect(repaintTimer, &QTimer::timeout, this, &Scene3D::repaintTimerFired);
    armRepaintTimer(lastReading);
}

Scene3D::~Scene3D()
{
    if (texture) {
        surface().makeCurrent();
        glDeleteTextures(1, &texture);
    }
}

void Scene3D::setTimeSources(TickSource ticks, ClockSource clock)
{
    tick = std::move(ticks);
    clockSource = std::move(clock);
    lastReading = clockSource();
    setClockFields(lastReading.fields);
}

void Scene3D::setClockFields(const model::ClockFields &fields)
{
    sec = fields.sec;
    min = fields.min;
    min12 = fields.min12;
    hou = fields.hou;
}

void Scene3D::setView(const model::View &view)
{
    xRot = view.xRot;
    yRot = view.yRot;
    zRot = view.zRot;
    xTra = view.xTra;
    yTra = view.yTra;
    zTra = view.zTra;
    nSca = view.nSca;
    nAni = view.nAni;
}

void Scene3D::armRepaintTimer(const model::ClockReading &from)
{
    timerArm = {from.second, from.nanos, tick()};
    repaintTimer->start(model::msToNextSecond(from.nanos));
}

// Only the timer's own frames re-arm it: other repaints (keys, exposes, the lid) leave the
// schedule alone, and a steady stream of frames restarts no timer.
void Scene3D::repaintTimerFired()
{
    const model::ClockReading now = clockSource();
    const model::TimerStep step = model::stepOnTimer(timerArm, now.second, now.nanos, tick());
    if (!step.repaint) {
        repaintTimer->start(step.waitMs);
        return;
    }
    lastReading = now; // a hidden window draws no frame, and this reading stands in for it
    updateGL();
    describeForAccessibility();
    armRepaintTimer(lastReading);
    showArrived();
    followPictures();
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
