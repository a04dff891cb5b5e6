// velkar --output, the run without a window: the application, the widget with its clocks
// pinned and its keys pressed, the frames drawn and the files they are written to (by
// framewriter.cpp). The EGL context the frames are drawn in is offscreen.cpp's.
#include "headless.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "commands.h"
#include "filenames.h"
#include "framewriter.h"
#include "language.h"
#include "offscreen.h"
#include "scene3D.h"
#include "settings.h"

namespace {

// The lid animations take the time once a frame; here each reading is the next frame of
// a window that draws 50 frames a second, so R and F run to their end without waiting,
// and as a window that fast would.
constexpr long long kFrameMs = 20;

// The lid loops read the time twice before their first step, which a window shows at the
// moment of the key: a reading stands for the time two frames before it.
constexpr long long kReadingsBeforeFirstStep = 2 * kFrameMs;

// The clocks at a time of day.
model::ClockReading pinnedClock(const QTime &time)
{
    std::tm local{};
    local.tm_hour = time.hour();
    local.tm_min = time.minute();
    local.tm_sec = time.second();
    return {model::clockFields(local), time.msecsSinceStartOfDay() / 1000, 0};
}

// The clocks show --time, or else the time now.
Scene3D::ClockSource clockFor(const QTime &time)
{
    if (!time.isValid())
        return model::readClock;
    const model::ClockReading pinned = pinnedClock(time);
    return [pinned] { return pinned; };
}

// When the sequence starts: --time, or the time now.
QTime startOf(const QTime &time)
{
    if (time.isValid())
        return time;
    const model::ClockFields now = model::readClock().fields;
    return QTime(now.hou, now.min, now.sec);
}

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// The frames of a run: the window at k / fps seconds from the keys, k = 0, 1, ... A frame
// is drawn once the window's time has passed it, as the phone stands then: the lid's
// readings move the time on, 20 ms each, and after the keys the rest are drawn as the
// phone was left, each with its clocks.
class FrameTaker
{
public:
    FrameTaker(const CommandLine &line, Scene3D &scene, OffscreenContext &gl, FrameWriter &out)
        : m_line(line),
          m_start(startOf(line.time)),
          m_count(frameCount(line)),
          m_scene(scene),
          m_gl(gl),
          m_out(out)
    {
    }

    Scene3D::TickSource ticks()
    {
        if (m_line.durationMs == 0)
            return [now = 0LL]() mutable { return now += kFrameMs; };
        return [this, now = 0LL]() mutable {
            now += kFrameMs;
            drawBefore(now - kReadingsBeforeFirstStep);
            return now;
        };
    }

    Scene3D::ClockSource clock()
    {
        if (m_line.durationMs == 0)
            return clockFor(m_line.time);
        return [this] { return pinnedClock(m_start.addMSecs(int(m_next * 1000LL / m_line.fps))); };
    }

    // A colour other than the window's white is the frame's clear colour.
    void setBackground()
    {
        if (m_line.background.alpha() == 255 && m_line.background != Qt::white)
            m_gl.setClearColour(m_line.background);
    }

    void drawRest() { drawBefore(std::numeric_limits<long long>::max() / kMaxFps); }

    void reportTimes(double encodingMs) const
    {
        if (m_timed)
            std::fprintf(stderr, "frames %d draw_ms %.1f read_ms %.1f encode_ms %.1f\n", m_next,
                         m_drawMs, m_readMs, encodingMs);
    }

private:
    // Every frame not drawn yet that is due before `ms`.
    void drawBefore(long long ms)
    {
        while (m_next < m_count && m_next * 1000LL < ms * m_line.fps && m_writing) {
            if (m_line.background.alpha() == 0) {
                m_gl.setClearColour(Qt::black);
                const QImage overBlack = drawAndRead();
                m_gl.setClearColour(Qt::white);
                m_writing = m_out.add(overBlack, drawAndRead());
            } else {
                m_writing = m_out.add(drawAndRead());
            }
            ++m_next;
        }
    }

    QImage drawAndRead()
    {
        const auto start = std::chrono::steady_clock::now();
        m_scene.drawFrame();
        if (m_timed) {
            m_gl.finish();
            m_drawMs += msSince(start);
        }
        const auto read = std::chrono::steady_clock::now();
        QImage frame = m_gl.read();
        m_readMs += msSince(read);
        return frame;
    }

    const CommandLine &m_line;
    const QTime m_start;
    const int m_count;
    Scene3D &m_scene;
    OffscreenContext &m_gl;
    FrameWriter &m_out;
    int m_next = 0; // the frame drawn next
    bool m_writing = true;
    // VELKAR_FRAME_TIMES=1: the time spent drawing, reading back and encoding, on standard
    // error, for scripts/bench; drawing then waits for the frame to be finished.
    const bool m_timed = std::getenv("VELKAR_FRAME_TIMES") != nullptr;
    double m_drawMs = 0, m_readMs = 0;
};

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
    // A reader that stops early (a pipe into head, say) then fails the next write, which
    // is reported as any other failure instead of ending the run without a word.
    if (line.output == "-")
        std::signal(SIGPIPE, SIG_IGN);

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
    FrameWriter out(line);
    FrameTaker frames(line, scene, gl, out);
    scene.setPictureSource(startingPicture(line.picture, PictureSource()));
    scene.setTimeSources(frames.ticks(), frames.clock());
    scene.resize(line.size);
    gl.attach(line.size);
    scene.startIn(gl, line.size);
    frames.setBackground();
    pressKeys(scene, line.keys);
    frames.drawRest();

    const FrameWriter::Failure failed = out.finish();
    frames.reportTimes(out.encodingMs());
    if (!failed.why.isEmpty()) {
        const QString line = QCoreApplication::translate("CommandLine", "cannot write %1: %2")
                                 .arg(printableFileName(failed.file), failed.why);
        std::fprintf(stderr, "velkar: %s\n", qUtf8Printable(line));
        return 1;
    }
    return 0;
}
