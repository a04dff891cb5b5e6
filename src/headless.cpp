// velkar --output, the run of one frame without a window: the application, the widget with
// its clocks pinned and its keys pressed, the frame drawn and the file it is written to.
// The EGL context the frame is drawn in is offscreen.cpp's.
#include "headless.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>

#include "commands.h"
#include "filenames.h"
#include "language.h"
#include "offscreen.h"
#include "outputfile.h"
#include "scene3D.h"
#include "settings.h"

namespace {

// The lid animations take the time once a frame; here each reading is the next frame of
// a window that draws 50 frames a second, so R and F run to their end without waiting,
// and as a window that fast would.
Scene3D::TickSource frameTicks()
{
    return [now = 0LL]() mutable { return now += 20; };
}

// The clocks show --time, or else the time now.
Scene3D::ClockSource clockFor(const QTime &time)
{
    if (!time.isValid())
        return model::readClock;
    std::tm local{};
    local.tm_hour = time.hour();
    local.tm_min = time.minute();
    local.tm_sec = time.second();
    const model::ClockReading pinned = {model::clockFields(local),
                                        time.msecsSinceStartOfDay() / 1000, 0};
    return [pinned] { return pinned; };
}

QtMessageHandler defaultHandler = nullptr;

// Lines the toolkit writes that say nothing about this picture. The GL widget asks the
// platform for a GL context of its own, and the minimal platform, which has none to give,
// says so (Qt 5 when the widget is made, Qt 6 when it is sized): the frame is drawn in
// the context made here instead. And where no per-user runtime folder is set, as in many
// containers and CI jobs, the toolkit says so at start, though nothing here uses it.
void quietAboutContexts(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.contains("createPlatformOpenGLContext") &&
        !text.contains("QOpenGLWidget is not supported") &&
        !text.contains("XDG_RUNTIME_DIR not set"))
        defaultHandler(type, context, text);
}

struct QuietAboutContexts {
    QuietAboutContexts() { defaultHandler = qInstallMessageHandler(quietAboutContexts); }
    ~QuietAboutContexts() { qInstallMessageHandler(defaultHandler); }
};

// The command line names only keys that have a command.
void pressKeys(Scene3D &scene, const QVector<int> &keys)
{
    for (int key : keys)
        runCommand(scene, *commandForChord(key));
}

} // namespace

int writePicture(const CommandLine &line, char *program)
{
    // The minimal platform opens no display and, unlike the offscreen one, loads no fonts
    // (the phone has no text), which shortens the run; the frame is drawn in a GL context
    // of its own.
    char platform[] = "-platform";
    char minimal[] = "minimal";
    char *argv[] = {program, platform, minimal, nullptr};
    int argc = 3;
    const QuietAboutContexts quiet;
    QApplication app(argc, argv);
    installTranslations();

    OffscreenContext gl;
    if (!gl.error().isEmpty()) {
        std::fprintf(stderr, "velkar: %s\n",
                     qUtf8Printable(QCoreApplication::translate("CommandLine",
                                                                "no OpenGL without a window: %1")
                                        .arg(gl.error())));
        return 1;
    }
    const int limit = std::min(gl.maxSide(), kMaxOutputSide);
    if (line.size.width() > limit || line.size.height() > limit) {
        printUsageError(QCoreApplication::translate("CommandLine",
                                                    "--size: at most %1 pixels a side here (the "
                                                    "OpenGL implementation's largest frame)")
                            .arg(limit));
        return 2;
    }

    Scene3D scene;
    scene.setPictureSource(startingPicture(line.picture, PictureSource()));
    scene.setTimeSources(frameTicks(), clockFor(line.time));
    scene.resize(line.size);
    gl.attach(line.size);
    scene.startIn(gl, line.size);
    pressKeys(scene, line.keys);
    scene.drawFrame();
    const QImage frame = gl.read();

    const QString why = writeOutputFile(frame, line.output);
    if (!why.isEmpty()) {
        const QString file = line.output == "-"
                                 ? QCoreApplication::translate("CommandLine", "standard output")
                                 : printableFileName(line.output);
        std::fprintf(
            stderr, "velkar: %s\n",
            qUtf8Printable(
                QCoreApplication::translate("CommandLine", "cannot write %1: %2").arg(file, why)));
        return 1;
    }
    return 0;
}
