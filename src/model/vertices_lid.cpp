// The lid: block corners, outer display, main screen and the points of the outer display's
// clock. Every point is held by its X and its hinge constants and turned with the lid.
#include "tables.h"
#include "vertices_rows.h"

#include <iterator>

namespace {

using model::rows::Hinged;
using model::rows::numberedFrom;

// clang-format off

// Lid block corners: inner face Z = -0.18, outer face Z = -0.5 when closed
//      v      X         r            a
constexpr Hinged kLidBlock[] = {
    {  11,   1.00f,  0.5314132,  0.3455556 },
    {  12,   1.00f,  3.5046255,  0.0513833 },
    {  13,  -1.00f,  3.5046255,  0.0513833 },
    {  14,  -1.00f,  0.5787055,  0.3162861 },
    {  15,  -1.00f,  0.7433034,  0.7378151 },
    {  16,  -1.00f,  3.4365681,  0.1460123 },
    {  17,   1.00f,  3.4365681,  0.1460123 },
    {  18,   1.00f,  0.7071068,  0.7853982 },
};
static_assert(std::size(kLidBlock) == 8 && numberedFrom(kLidBlock, 11),
              "lid block is vertices 11-18");

// Outer display rectangle on the lid's outer face
//      v      X         r            a
constexpr Hinged kOuterDisplay[] = {
    {  24,   0.66f,  1.3928388,  0.3671738 },
    {  25,   0.66f,  1.7720045,  0.2860514 },
    {  26,  -0.66f,  1.7720045,  0.2860514 },
    {  27,  -0.66f,  1.3928388,  0.3671738 },
};
static_assert(std::size(kOuterDisplay) == 4 && numberedFrom(kOuterDisplay, 24),
              "outer display is vertices 24-27");

// Main screen, recessed 0.17 into the inner face; screenCorner() reads these rows too
//      v      X         r            a
constexpr Hinged kMainScreen[] = {
    {  31,   0.82f,  1.059481,   0.3366748 },
    {  32,  -0.82f,  1.059481,   0.3366748 },
    {  33,  -0.82f,  3.2190837,  0.108942  },
    {  34,   0.82f,  3.2190837,  0.108942  },
};
static_assert(std::size(kMainScreen) == 4 && numberedFrom(kMainScreen, 31),
              "main screen is vertices 31-34");

// The clock's five rows of hinge constants, 0.001 proud of the outer face. Unlike the lid
// block's they are single precision, and the clock points sit where these floats put them.
constexpr float R1 = 1.7435312f, A1 = 0.2914568f; // cell positions 0, 1: lower edge
constexpr float R2 = 1.5814553f, A2 = 0.3223504f; // cell positions 2, 3: middle
constexpr float R3 = 1.4212322f, A3 = 0.3602530f; // cell positions 4, 5: upper edge
constexpr float R4 = 1.6766040f, A4 = 0.3034542f; // lower colon dots
constexpr float R5 = 1.4869435f, A5 = 0.3436573f; // upper colon dots

// Outer display clock: six digit cells of six points (left, right per row) and the colon dots
//      v      X     r   a
constexpr Hinged kClockPoints[] = {
    {  45,  -0.61f, R1, A1 },
    {  46,  -0.51f, R1, A1 },
    {  47,  -0.61f, R2, A2 },
    {  48,  -0.51f, R2, A2 },
    {  49,  -0.61f, R3, A3 },
    {  50,  -0.51f, R3, A3 },

    {  51,  -0.45f, R1, A1 },
    {  52,  -0.35f, R1, A1 },
    {  53,  -0.45f, R2, A2 },
    {  54,  -0.35f, R2, A2 },
    {  55,  -0.45f, R3, A3 },
    {  56,  -0.35f, R3, A3 },

    {  57,  -0.24f, R4, A4 },
    {  58,  -0.24f, R5, A5 },

    {  59,  -0.13f, R1, A1 },
    {  60,  -0.03f, R1, A1 },
    {  61,  -0.13f, R2, A2 },
    {  62,  -0.03f, R2, A2 },
    {  63,  -0.13f, R3, A3 },
    {  64,  -0.03f, R3, A3 },

    {  65,   0.03f, R1, A1 },
    {  66,   0.13f, R1, A1 },
    {  67,   0.03f, R2, A2 },
    {  68,   0.13f, R2, A2 },
    {  69,   0.03f, R3, A3 },
    {  70,   0.13f, R3, A3 },

    {  71,   0.24f, R4, A4 },
    {  72,   0.24f, R5, A5 },

    {  73,   0.35f, R1, A1 },
    {  74,   0.45f, R1, A1 },
    {  75,   0.35f, R2, A2 },
    {  76,   0.45f, R2, A2 },
    {  77,   0.35f, R3, A3 },
    {  78,   0.45f, R3, A3 },

    {  79,   0.51f, R1, A1 },
    {  80,   0.61f, R1, A1 },
    {  81,   0.51f, R2, A2 },
    {  82,   0.61f, R2, A2 },
    {  83,   0.51f, R3, A3 },
    {  84,   0.61f, R3, A3 },
};
static_assert(std::size(kClockPoints) == 40 && numberedFrom(kClockPoints, 45),
              "outer display clock is vertices 45-84");

// clang-format on

} // namespace

void model::buildLid(double nAni)
{
    using rows::putBlock;
    putBlock(kLidBlock, nAni);
    putBlock(kOuterDisplay, nAni);
    putBlock(kMainScreen, nAni);
    putBlock(kClockPoints, nAni);
}

model::Point3 model::screenCorner(int vertex, double nAni)
{
    const int row = vertex - kMainScreen[0].v;
    if (row < 0 || row >= int(std::size(kMainScreen)))
        return {0, 0, 0};
    const Hinged &c = kMainScreen[row];
    return rows::hingedPoint(c.x, c.r, c.a, nAni);
}
