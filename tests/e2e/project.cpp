// Tells the end-to-end scripts where a part of the phone lands in the window, from the
// model itself: it builds the vertex table for a lid angle and clock fields and projects
// points through the same view transform and orthographic projection the program uses.
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
//   --drag DX DY                                    a mouse drag by (DX, DY) pixels
// Options apply in order: a press or a drag starts from the view the options before it give.
// Queries: "V" a vertex; "A,B,t" the point A + t(B - A); "A,B,C,u,w" the point
// A + u(B - A) + w(C - A).
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "../projection.h"
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

// Presses of a key (X keysym names; wheel-up and wheel-down for wheel clicks): the view
// commands the program runs for them.
void press(model::View &view, const std::string &key, int count)
{
    for (int n = 0; n < count; ++n) {
        if (key == "plus" || key == "equal" || key == "wheel-up")
            view.nSca = model::scaledUp(view.nSca);
        else if (key == "minus" || key == "wheel-down")
            view.nSca = model::scaledDown(view.nSca);
        else if (key == "Up" || key == "Down")
            view.xRot = model::turned(view.xRot, key == "Up" ? 1 : -1);
        else if (key == "Left" || key == "Right")
            view.zRot = model::turned(view.zRot, key == "Left" ? 1 : -1);
        else if (key == "w" || key == "s")
            view.yTra = model::moved(view.yTra, key == "w" ? 1 : -1);
        else if (key == "a" || key == "d")
            view.xTra = model::moved(view.xTra, key == "d" ? 1 : -1);
        else if (key == "t" || key == "g")
            model::lidStep(view.nAni, view.yTra, key == "t" ? 1 : -1);
        else {
            std::fprintf(stderr, "velkar_project: no view command for key %s\n", key.c_str());
            std::exit(2);
        }
    }
}

[[noreturn]] void usage(const char *why)
{
    std::fprintf(stderr, "velkar_project: %s\n", why);
    std::exit(2);
}

} // namespace

int main(int argc, char **argv)
{
    model::View view = model::kStartView;
    int width = 500, height = 500;
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
        } else if (clockTarget) {
            *clockTarget = std::atof(next());
        } else if (arg == "--size") {
            if (std::sscanf(next(), "%dx%d", &width, &height) != 2)
                usage("--size takes WxH");
        } else if (arg == "--press") {
            const std::string key = next();
            press(view, key, std::atoi(next()));
        } else if (arg == "--drag") {
            const int dx = std::atoi(next()), dy = std::atoi(next());
            view.xRot = model::dragged(view.xRot, view.nSca, dy, height);
            view.zRot = model::dragged(view.zRot, view.nSca, dx, width);
        } else if (arg == "--view") {
            printView = true;
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
