// Row types shared by the vertex builders. Literal blocks are tables of these rows; the
// builders copy fixed rows as they stand and turn lid rows about the hinge.
#pragma once

#include "tables.h"

#include <cstddef>

namespace model::rows {

// A point of the fixed body, in the model's (X, Y, Z) naming.
struct Fixed {
    int v;
    float x, y, z;
};

// A point that turns with the lid: its X, and its distance r from the hinge axis and its
// phase a (radians) in the closed position.
struct Hinged {
    int v;
    float x;
    double r, a;
};

// True when a block's rows carry the vertex numbers first, first + 1, ... in order, so no
// block skips a vertex or writes one twice.
template <typename Row, std::size_t N> constexpr bool numberedFrom(const Row (&block)[N], int first)
{
    for (std::size_t i = 0; i < N; ++i)
        if (block[i].v != first + int(i))
            return false;
    return true;
}

// The lid rotation rule as a point: evaluated in double, each component rounded to float once.
Point3 hingedPoint(double x, double r, double a, double nAni);

template <std::size_t N> void putBlock(const Fixed (&block)[N])
{
    for (const Fixed &p : block)
        put(p.v, p.x, p.y, p.z);
}

template <std::size_t N> void putBlock(const Hinged (&block)[N], double nAni)
{
    for (const Hinged &p : block)
        putHinged(p.v, p.x, p.r, p.a, nAni);
}

} // namespace model::rows
