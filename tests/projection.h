// Where a point of the model lands in the window: the frame's view transform (scale,
// translation, then the turns about x, y and z) and its orthographic projection, in which
// the window's shorter side spans -1..1. The widget test and the end-to-end helper share it.
#pragma once

#include <array>
#include <cmath>

#include "view.h"

namespace projection {

using Vec = std::array<double, 3>;   // stored order, as OpenGL receives it: X, Z, Y
using Pixel = std::array<double, 2>; // from the window's top left

inline Vec rotate(const Vec &v, double degrees, int axis)
{
    const double a = degrees * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
    const int i = (axis + 1) % 3, j = (axis + 2) % 3; // right-handed: x->y->z->x
    Vec r = v;
    r[i] = v[i] * c - v[j] * s;
    r[j] = v[i] * s + v[j] * c;
    return r;
}

inline Pixel toWindow(const model::View &view, int width, int height, Vec v)
{
    v = rotate(v, view.zRot, 2);
    v = rotate(v, view.yRot, 1);
    v = rotate(v, view.xRot, 0);
    const double ex = view.nSca * (v[0] + view.xTra);
    const double ey = view.nSca * (v[1] + view.yTra);
    const double w = width, h = height;
    const double right = w >= h ? w / h : 1.0;
    const double top = w >= h ? 1.0 : h / w;
    return {(ex / right + 1) / 2 * w, (1 - ey / top) / 2 * h};
}

} // namespace projection
