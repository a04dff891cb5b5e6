// Tells the end-to-end scripts where a part of the phone lands in the window, from the
// model itself: it builds the vertex table for a lid angle and clock fields and projects
// points through the same view transform and orthographic projection the program uses.
// Key presses, wheel clicks and drags move the view of a Scene3D that is never shown, through
// its own command table and handlers, so the scripts follow exactly what the program does.
//
//   velkar_project [options] QUERY...      one line "x y" (window pixels, from the top left)
//   velkar_project [options] --bbox        "left top right bottom" of vertices 0-246, then
//                                          the same of the body and lid blocks (0-30) alone:
//                                          details stand proud of those by up to 0.03 and
//                                          are not seen from every side
//
//   velkar_project [options] --view        the view after the presses and drags:
//                                          "xrot yrot zrot xtra ytra ztra scale ani"
//
// Options (defaults are the start-up view of a 500x500 window):
//   --ani A  --sec S  --min M  --min12 H          lid angle and clock fields
//   --xrot D --yrot D --zrot D                     rotations in degrees
//   --xtra T --ytra T --ztra T --scale S           translation and scale
//   --size WxH                                      window size in device pixels
//   --press KEY N                                   N presses of KEY (X keysym; wheel-up and
//                                                   wheel-down for wheel clicks) moving the view
//   --keys                                          the X keysyms of every key that --keys knows
//                                                   and that works without a window
//   --drag DX DY                                    a mouse drag by (DX, DY) pixels
// Options apply in order: a press or a drag starts from the view the options before it give.
// Queries: "V" a vertex; "A,B,t" the point A + t(B - A); "A,B,C,u,w" the point
// A + u(B - A) + w(C - A).
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "../projection.h"
#include "commands.h"
#include "scene3D.h"
#include "tables.h"

namespace {

using projection::Vec;

Vec vertex(int v)
{
    if (v < 0 || v > kLastWrittenVertex) {
        std::fprintf(stderr, "velkar_project: no vertex %d\n", v);
        std::exit(2);
    }
    return {VertexArray[v][0], VertexArray[v][1], VertexArray[v][2]};
}

Vec point(const std::string &query)
{
    std::vector<double> f;
    for (const char *p = query.c_str(); *p;) {
        char *end = nullptr;
        f.push_back(std::strtod(p, &end));
        if (end == p || (*end && *end != ',')) {
            std::fprintf(stderr, "velkar_project: bad query \"%s\"\n", query.c_str());
            std::exit(2);
        }
        p = *end ? end + 1 : end;
    }
    const Vec a = vertex(int(f.at(0)));
    if (f.size() == 1)
        return a;
    Vec r = a;
    if (f.size() == 3) {
        const Vec b = vertex(int(f[1]));
        for (int k = 0; k < 3; ++k)
            r[k] += f[2] * (b[k] - a[k]);
        return r;
    }
    if (f.size() == 5) {
        const Vec b = vertex(int(f[1])), c = vertex(int(f[2]));
        for (int k = 0; k < 3; ++k)
            r[k] += f[3] * (b[k] - a[k]) + f[4] * (c[k] - a[k]);
        return r;
    }
    std::fprintf(stderr, "velkar_project: bad query \"%s\"\n", query.c_str());
    std::exit(2);
}

// X keysyms and the names the command table gives the same keys: letters are upper case there.
const std::pair<const char *, const char *> kKeysyms[] = {
    {"plus", "+"}, {"equal", "="}, {"minus", "-"}, {"space", "Space"}};

QString commandName(const std::string &keysym)
{
    for (const auto &known : kKeysyms)
        if (keysym == known.first)
            return known.second;
    return QString::fromStdString(keysym).toUpper();
}

std::string keysym(const QString &name)
{
    for (const auto &known : kKeysyms)
        if (name == known.second)
            return known.first;
    return (name.size() == 1 ? name.toLower() : name).toStdString();
}

} // namespace

// A Scene3D that is never shown: its commands and handlers change its view, and nothing is
// drawn.
class ViewFollower
{
public:
    model::View view() const
    {
        const Scene3D &s = m_scene;
        return {s.xRot, s.yRot, s.zRot, s.xTra, s.yTra, s.zTra, s.nSca, s.nAni};
    }
    void setView(const model::View &view) { m_scene.setView(view); }
    void resize(int width, int height) { m_scene.resize(width, height); }

    // Presses of a key (X keysym names; wheel-up and wheel-down for wheel clicks); false for
    // a key without a command that works without a window.
    bool press(const std::string &key, int count)
    {
        for (int n = 0; n < count; ++n) {
            if (key == "wheel-up" || key == "wheel-down") {
                const QPointF at(m_scene.width() / 2, m_scene.height() / 2);
                QWheelEvent wheel(at, at, QPoint(), QPoint(0, key == "wheel-up" ? 120 : -120),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(&m_scene, &wheel);
                continue;
            }
            const KeyNames known = parseKeyNames(commandName(key));
            if (!known.error.isEmpty() || known.keys.size() != 1)
                return false;
            runCommand(m_scene, *commandForChord(known.keys[0]));
        }
        return true;
    }

    void drag(int dx, int dy)
    {
        const QPoint from(m_scene.width() / 2, m_scene.height() / 2), to = from + QPoint(dx, dy);
        QMouseEvent press(QEvent::MouseButtonPress, from, from, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&m_scene, &press);
        QApplication::sendEvent(&m_scene, &move);
    }

private:
    Scene3D m_scene;
};

namespace {

// Every key --keys accepts, as X keysyms.
void printKeys()
{
    for (const Command &command : commands())
        for (const CommandKey &key : command.keys)
            if (key.name && !command.windowOnly)
                std::printf("%s\n", keysym(key.name).c_str());
}

[[noreturn]] void usage(const char *why)
{
    std::fprintf(stderr, "velkar_project: %s\n", why);
    std::exit(2);
}

// The toolkit says what it cannot give a widget that is never shown (a GL context, on the
// minimal platform); this tool prints only its answers.
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

int main(int argc, char **argv)
{
    char platform[] = "-platform";
    char minimal[] = "minimal";
    char *toolkitArgv[] = {argv[0], platform, minimal, nullptr};
    int toolkitArgc = 3;
    qInstallMessageHandler(quiet);
    QApplication app(toolkitArgc, toolkitArgv);
    ViewFollower follower;
    model::View view = model::kStartView;
    int width = 500, height = 500;
    follower.resize(width, height);
    double sec = 0, min = 0, min12 = 0;
    const std::pair<const char *, GLfloat *> viewOptions[] = {
        {"--ani", &view.nAni},  {"--xrot", &view.xRot},  {"--yrot", &view.yRot},
        {"--zrot", &view.zRot}, {"--xtra", &view.xTra},  {"--ytra", &view.yTra},
        {"--ztra", &view.zTra}, {"--scale", &view.nSca},
    };
    const std::pair<const char *, double *> clockOptions[] = {
        {"--sec", &sec}, {"--min", &min}, {"--min12", &min12}};
    bool bbox = false, printView = false;
    std::vector<std::string> queries;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto next = [&] {
            if (++i >= argc)
                usage((arg + " needs a value").c_str());
            return argv[i];
        };
        GLfloat *viewTarget = nullptr;
        double *clockTarget = nullptr;
        for (const auto &option : viewOptions)
            if (arg == option.first)
                viewTarget = option.second;
        for (const auto &option : clockOptions)
            if (arg == option.first)
                clockTarget = option.second;
        if (viewTarget) {
            *viewTarget = GLfloat(std::atof(next()));
            follower.setView(view);
        } else if (clockTarget) {
            *clockTarget = std::atof(next());
        } else if (arg == "--size") {
            if (std::sscanf(next(), "%dx%d", &width, &height) != 2)
                usage("--size takes WxH");
            follower.resize(width, height);
        } else if (arg == "--press") {
            const std::string key = next();
            if (!follower.press(key, std::atoi(next())))
                usage(("no command without a window for key " + key).c_str());
            view = follower.view();
        } else if (arg == "--drag") {
            const int dx = std::atoi(next()), dy = std::atoi(next());
            follower.drag(dx, dy);
            view = follower.view();
        } else if (arg == "--view") {
            printView = true;
        } else if (arg == "--keys") {
            printKeys();
        } else if (arg == "--bbox") {
            bbox = true;
        } else {
            queries.push_back(arg);
        }
    }
    if (printView)
        std::printf("%.9g %.9g %.9g %.9g %.9g %.9g %.9g %.9g\n", view.xRot, view.yRot, view.zRot,
                    view.xTra, view.yTra, view.zTra, view.nSca, view.nAni);

    model::buildVertices(view.nAni, int(sec), int(min), int(min12));
    const auto toWindow = [&](const Vec &v) {
        return projection::toWindow(view, width, height, v);
    };

    if (bbox) {
        for (int last : {kLastWrittenVertex, 30}) {
            double left = 1e30, top = 1e30, right = -1e30, bottom = -1e30;
            for (int v = 0; v <= last; ++v) {
                const auto p = toWindow(vertex(v));
                left = std::fmin(left, p[0]);
                right = std::fmax(right, p[0]);
                top = std::fmin(top, p[1]);
                bottom = std::fmax(bottom, p[1]);
            }
            std::printf("%.2f %.2f %.2f %.2f%s", left, top, right, bottom, last == 30 ? "\n" : " ");
        }
    }
    for (const std::string &q : queries) {
        const auto p = toWindow(point(q));
        std::printf("%.2f %.2f\n", p[0], p[1]);
    }
    return 0;
}
