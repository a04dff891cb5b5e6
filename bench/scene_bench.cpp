// Drives the real Scene3D the way its own handlers do, without input: frames rendered
// back-to-back through updateGL(), and the timed lid opening. The swap shim (swapstamp)
// times the frames from outside; the marks below tell it where each measured stretch
// starts and ends.
//
//   scene_bench steady --aa on|off [--frames N] [--warmup N]
//   scene_bench lid                      (antialiasing on, the timed opening from closed)
//   scene_bench heap-tunables            (velkar's heap thresholds, as GLIBC_TUNABLES)
//   scene_bench make-pictures DIR N      (N 4096x4096 JPEGs for the slideshow, in DIR)
//   scene_bench slideshow DIR SECONDS    (a window showing DIR's pictures in turn, as velkar
//                                         does with that folder remembered, until stopped)
//
// Built twice: scene_bench for timing, scene_bench_alloc with malloc replaced to count
// the allocations made during the steady frames (VELKAR_BENCH_ALLOCS).
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

#include "heap.h"
#include "scene3D.h"

#ifdef VELKAR_BENCH_ALLOCS
#include "alloc_counter.h"
#endif

class SceneBench
{
public:
    explicit SceneBench(Scene3D &scene) : m_scene(scene)
    {
        m_mark = reinterpret_cast<MarkFn>(dlsym(RTLD_DEFAULT, "velkar_swapstamp_mark"));
    }

    void setAntiAliasing(bool on)
    {
        if (m_scene.antiAliasing != on)
            m_scene.endisAntiAliasing();
    }

    // Frames as the timer and the input handlers render them: updateGL() paints and swaps
    // at once, inside the call.
    void renderFrames(int count)
    {
        for (int i = 0; i < count; ++i)
            m_scene.updateGL();
    }

    void openLid() { m_scene.openroof_auto_up(); }

    unsigned long long figureDrawings() const { return m_scene.figureDrawings(); }
    float lidAngle() const { return m_scene.nAni; }

    // A mark in the swap log, and the same text on stderr, where strace sees it as a write.
    void mark(const char *text)
    {
        if (m_mark)
            m_mark(text);
        char line[128];
        const int len = std::snprintf(line, sizeof line, "velkar-bench: %s\n", text);
        if (write(STDERR_FILENO, line, size_t(len)) < 0)
            std::perror("write");
    }

    static int runMode(int argc, char **argv);
    static int slideshow(const char *folder, int seconds);

private:
    using MarkFn = void (*)(const char *);
    Scene3D &m_scene;
    MarkFn m_mark = nullptr;

    static int steady(SceneBench &bench, bool aa, int frames, int warmup);
    static int lid(SceneBench &bench);
};

int SceneBench::steady(SceneBench &bench, bool aa, int frames, int warmup)
{
    bench.setAntiAliasing(aa);
    bench.renderFrames(warmup);
    const unsigned long long before = bench.figureDrawings();
    QElapsedTimer timer;
    bench.mark("steady-begin");
    timer.start();
#ifdef VELKAR_BENCH_ALLOCS
    alloccount::arm();
#endif
    bench.renderFrames(frames);
#ifdef VELKAR_BENCH_ALLOCS
    alloccount::disarm();
#endif
    const qint64 ns = timer.nsecsElapsed();
    bench.mark("steady-end");
    const unsigned long long drawings = bench.figureDrawings() - before;
    std::printf("steady aa=%s frames=%d figure_drawings=%llu inner_ms_per_frame=%.3f\n",
                aa ? "on" : "off", frames, drawings, ns / 1e6 / frames);
    const unsigned long long expected = static_cast<unsigned long long>(frames) * (aa ? 13 : 1);
    if (drawings != expected) {
        std::fprintf(stderr, "scene_bench: %llu figure drawings, expected %llu\n", drawings,
                     expected);
        return 1;
    }
#ifdef VELKAR_BENCH_ALLOCS
    alloccount::report(stdout, frames);
#endif
    return 0;
}

int SceneBench::lid(SceneBench &bench)
{
    bench.setAntiAliasing(true);
    bench.renderFrames(3);
    const unsigned long long before = bench.figureDrawings();
    QElapsedTimer timer;
    bench.mark("lid-begin");
    timer.start();
    bench.openLid();
    const qint64 ns = timer.nsecsElapsed();
    bench.mark("lid-end");
    const unsigned long long frames = (bench.figureDrawings() - before) / 13;
    std::printf("lid frames=%llu inner_ms=%.1f final_angle=%.4f\n", frames, ns / 1e6,
                double(bench.lidAngle()));
    return frames > 0 ? 0 : 1;
}

int SceneBench::runMode(int argc, char **argv)
{
    const char *mode = argc > 1 ? argv[1] : "";
    bool aa = false;
    int frames = 100;
    int warmup = 10;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--aa"))
            aa = !std::strcmp(argv[i + 1], "on");
        else if (!std::strcmp(argv[i], "--frames"))
            frames = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--warmup"))
            warmup = std::atoi(argv[i + 1]);
    }
    if (std::strcmp(mode, "steady") && std::strcmp(mode, "lid")) {
        std::fprintf(stderr, "usage: scene_bench steady --aa on|off [--frames N] [--warmup N]\n"
                             "       scene_bench lid\n");
        return 2;
    }

    Scene3D scene(nullptr);
    scene.setWindowTitle("My mobile phone: Velkar");
    scene.resize(500, 500);
    scene.show();
    if (!QTest::qWaitForWindowExposed(&scene) || !scene.isValid()) {
        std::fprintf(stderr, "scene_bench: no exposed window with a GL context\n");
        return 1;
    }
    scene.makeCurrent();
    std::printf("gl renderer=\"%s\" version=\"%s\"\n",
                reinterpret_cast<const char *>(glGetString(GL_RENDERER)),
                reinterpret_cast<const char *>(glGetString(GL_VERSION)));
    SceneBench bench(scene);
    return !std::strcmp(mode, "lid") ? lid(bench) : steady(bench, aa, frames, warmup);
}

// A window like velkar's with a folder as its picture source, as a remembered one arrives at
// start. Each picture that reaches the screen is written on stderr, so the bench can tell
// that the slideshow turned.
int SceneBench::slideshow(const char *folder, int seconds)
{
    Scene3D scene(nullptr);
    scene.setPictureSource({PictureSource::Kind::Folder, QString::fromLocal8Bit(folder), seconds});
    scene.setWindowTitle("My mobile phone: Velkar");
    scene.resize(500, 500);
    scene.show();
    QByteArray shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (scene.shownFile != shown)
            std::fprintf(stderr, "velkar-bench: shown %s\n", (shown = scene.shownFile).constData());
    });
    watch.start(250);
    return QApplication::exec();
}

// Noise over a gradient: large files that decode as slowly as photographs of the same size,
// or more slowly.
int makePictures(const char *folder, int count)
{
    quint32 state = 2463534242u;
    for (int n = 0; n < count; ++n) {
        QImage picture(4096, 4096, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                state ^= state << 13, state ^= state >> 17, state ^= state << 5;
                const int noise = int(state & 63);
                row[x] = qRgb((x / 16 + noise + 40 * n) & 255, (y / 16 + noise) & 255,
                              ((x + y) / 32 + noise) & 255);
            }
        }
        const QString file = QString("%1/picture-%2.jpg").arg(folder).arg(n, 2, 10, QChar('0'));
        if (!picture.save(file, "JPEG", 90)) {
            std::fprintf(stderr, "scene_bench: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

int main(int argc, char **argv)
{
    // The bench replays velkar's frames with these too; they are written down only in heap.h.
    if (argc == 2 && !std::strcmp(argv[1], "heap-tunables")) {
        std::printf("glibc.malloc.mmap_threshold=%d:glibc.malloc.trim_threshold=%d\n",
                    kHeapMmapThreshold, kHeapTrimThreshold);
        return 0;
    }
    tuneHeapForFrames(); // as velkar's own main does
    QApplication app(argc, argv);
    if (argc == 4 && !std::strcmp(argv[1], "make-pictures"))
        return makePictures(argv[2], std::atoi(argv[3]));
    if (argc == 4 && !std::strcmp(argv[1], "slideshow"))
        return SceneBench::slideshow(argv[2], std::atoi(argv[3]));
    return SceneBench::runMode(argc, argv);
}
