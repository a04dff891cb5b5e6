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
// Options (defaults are the start-up view of a 500x500 window):
//   --ani A  --sec S  --min M  --min12 H          lid angle and clock fields
//   --xrot D --yrot D --zrot D                     rotations in degrees
//   --xtra T --ytra T --ztra T --scale S           translation and scale
//   --size WxH                                      window size in device pixels
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

#include "tables.h"

namespace {

using Vec = std::array<double, 3>; // stored order, as OpenGL receives it: X, Z, Y

struct View {
    double xRot = -90, yRot = 0, zRot = 0;
    double xTra = 0, yTra = 0, zTra = 0;
    double scale = 0.2;
    int width = 500, height = 500;
};

Vec rotate(const Vec &v, double degrees, int axis)
{
    const double a = degrees * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
    const int i = (axis + 1) % 3, j = (axis + 2) % 3; // right-handed: x->y->z->x
    Vec r = v;
    r[i] = v[i] * c - v[j] * s;
    r[j] = v[i] * s + v[j] * c;
    return r;
}

// Scale * Translate * RotX * RotY * RotZ, then glOrtho with the shorter side spanning -1..1.
std::array<double, 2> toWindow(const View &view, Vec v)
{
    v = rotate(v, view.zRot, 2);
    v = rotate(v, view.yRot, 1);
    v = rotate(v, view.xRot, 0);
    const double ex = view.scale * (v[0] + view.xTra);
    const double ey = view.scale * (v[1] + view.yTra);
    const double w = view.width, h = view.height;
    const double right = w >= h ? w / h : 1.0;
    const double top = w >= h ? 1.0 : h / w;
    return {(ex / right + 1) / 2 * w, (1 - ey / top) / 2 * h};
}

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

} // namespace

int main(int argc, char **argv)
{
    View view;
    double nAni = 0, sec = 0, min = 0, min12 = 0;
    const std::pair<const char *, double *> options[] = {
        {"--ani", &nAni},       {"--sec", &sec},          {"--min", &min},
        {"--min12", &min12},    {"--xrot", &view.xRot},   {"--yrot", &view.yRot},
        {"--zrot", &view.zRot}, {"--xtra", &view.xTra},   {"--ytra", &view.yTra},
        {"--ztra", &view.zTra}, {"--scale", &view.scale},
    };
    bool bbox = false;
    std::vector<std::string> queries;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        double *target = nullptr;
        for (const auto &option : options)
            if (arg == option.first)
                target = option.second;
        if (target || arg == "--size") {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "velkar_project: %s needs a value\n", arg.c_str());
                return 2;
            }
            const char *value = argv[++i];
            if (target)
                *target = std::atof(value);
            else if (std::sscanf(value, "%dx%d", &view.width, &view.height) != 2) {
                std::fprintf(stderr, "velkar_project: --size takes WxH\n");
                return 2;
            }
        } else if (arg == "--bbox") {
            bbox = true;
        } else {
            queries.push_back(arg);
        }
    }

    // The program stores the lid angle as a float; so does the table built here.
    model::buildVertices(float(nAni), int(sec), int(min), int(min12));

    if (bbox) {
        for (int last : {kLastWrittenVertex, 30}) {
            double left = 1e30, top = 1e30, right = -1e30, bottom = -1e30;
            for (int v = 0; v <= last; ++v) {
                const auto p = toWindow(view, vertex(v));
                left = std::fmin(left, p[0]);
                right = std::fmax(right, p[0]);
                top = std::fmin(top, p[1]);
                bottom = std::fmax(bottom, p[1]);
            }
            std::printf("%.2f %.2f %.2f %.2f%s", left, top, right, bottom, last == 30 ? "\n" : " ");
        }
    }
    for (const std::string &q : queries) {
        const auto p = toWindow(view, point(q));
        std::printf("%.2f %.2f\n", p[0], p[1]);
    }
    return 0;
}
