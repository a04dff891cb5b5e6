// The fixed lower body: side outlines, hinge block, keypad field, key grid and centre key.
// None of these points moves; every build writes the same literals.
#include "tables.h"
#include "vertices_rows.h"

#include <iterator>

namespace {

using model::rows::Fixed;
using model::rows::numberedFrom;

// clang-format off

// Side outlines: left 0-5, right 6-10, each an L of lower body and hinge block
//      v      X        Y        Z
constexpr Fixed kSideOutlines[] = {
    {   0,  -1.00f,   2.00f,   0.50f },
    {   1,  -1.00f,  -2.00f,   0.50f },
    {   2,  -1.00f,  -2.00f,  -0.12f },
    {   3,  -1.00f,   1.00f,  -0.12f },
    {   4,  -1.00f,   1.00f,  -0.50f },
    {   5,  -1.00f,   2.00f,  -0.50f },
    {   6,   1.00f,   2.00f,  -0.50f },
    {   7,   1.00f,   2.00f,   0.50f },
    {   8,   1.00f,  -2.00f,   0.50f },
    {   9,   1.00f,  -2.00f,  -0.12f },
    {  10,   1.00f,   1.00f,  -0.12f },
};
static_assert(std::size(kSideOutlines) == 11 && numberedFrom(kSideOutlines, 0),
              "side outlines are vertices 0-10");

// Hinge block, front: the X = 0.6 seam and the right edge (19 and 21 are one point twice)
//      v      X        Y        Z
constexpr Fixed kHingeFront[] = {
    {  19,   0.60f,   2.00f,  -0.50f },
    {  20,   1.00f,   1.00f,  -0.50f },
    {  21,   0.60f,   2.00f,  -0.50f },
    {  22,   0.60f,   1.00f,  -0.50f },
    {  23,   1.00f,   1.00f,   0.50f },
};
static_assert(std::size(kHingeFront) == 5 && numberedFrom(kHingeFront, 19),
              "hinge block front is vertices 19-23");

// Hinge block, back: the seam and the left edge
//      v      X        Y        Z
constexpr Fixed kHingeBack[] = {
    {  28,   0.60f,   2.00f,   0.50f },
    {  29,   0.60f,   1.00f,   0.50f },
    {  30,  -1.00f,   1.00f,   0.50f },
};
static_assert(std::size(kHingeBack) == 3 && numberedFrom(kHingeBack, 28),
              "hinge block back is vertices 28-30");

// Keypad field outline on the keypad face, left then right
//      v      X        Y        Z
constexpr Fixed kKeypadOutline[] = {
    {  35,  -0.85f,   0.85f,  -0.12f },
    {  36,   0.85f,   0.85f,  -0.12f },
    {  37,  -0.85f,   0.28f,  -0.12f },
    {  38,   0.85f,   0.28f,  -0.12f },
    {  39,  -0.85f,   0.04f,  -0.12f },
    {  40,   0.85f,   0.04f,  -0.12f },
    {  41,  -0.85f,  -0.04f,  -0.12f },
    {  42,   0.85f,  -0.04f,  -0.12f },
    {  43,  -0.85f,  -1.74f,  -0.12f },
    {  44,   0.85f,  -1.74f,  -0.12f },
};
static_assert(std::size(kKeypadOutline) == 10 && numberedFrom(kKeypadOutline, 35),
              "keypad outline is vertices 35-44");

// Key grid, ten rows left to right: dividing lines run 0.01 proud of the face (Z = -0.13)
//      v      X        Y        Z
constexpr Fixed kKeyGrid[] = {
    {  85,  -0.80f,   0.82f,  -0.12f },
    {  86,  -0.30f,   0.82f,  -0.12f },
    {  87,   0.30f,   0.82f,  -0.12f },
    {  88,   0.80f,   0.82f,  -0.12f },

    {  89,  -0.80f,   0.57f,  -0.13f },
    {  90,  -0.30f,   0.57f,  -0.13f },
    {  91,   0.30f,   0.57f,  -0.13f },
    {  92,   0.80f,   0.57f,  -0.13f },

    {  93,  -0.80f,   0.32f,  -0.12f },
    {  94,  -0.30f,   0.32f,  -0.12f },
    {  95,   0.30f,   0.32f,  -0.12f },
    {  96,   0.80f,   0.32f,  -0.12f },

    {  97,  -0.80f,   0.25f,  -0.12f },
    {  98,  -0.40f,   0.25f,  -0.13f },
    {  99,   0.00f,   0.25f,  -0.13f },
    { 100,   0.40f,   0.25f,  -0.13f },
    { 101,   0.80f,   0.25f,  -0.12f },

    { 102,  -0.80f,   0.07f,  -0.12f },
    { 103,  -0.40f,   0.07f,  -0.13f },
    { 104,   0.00f,   0.07f,  -0.13f },
    { 105,   0.40f,   0.07f,  -0.13f },
    { 106,   0.80f,   0.07f,  -0.12f },

    { 107,  -0.80f,  -0.09f,  -0.12f },
    { 108,  -0.27f,  -0.09f,  -0.13f },
    { 109,   0.27f,  -0.09f,  -0.13f },
    { 110,   0.80f,  -0.09f,  -0.13f },

    { 111,  -0.80f,  -0.49f,  -0.13f },
    { 112,  -0.27f,  -0.49f,  -0.13f },
    { 113,   0.27f,  -0.49f,  -0.13f },
    { 114,   0.80f,  -0.49f,  -0.13f },

    { 115,  -0.80f,  -0.89f,  -0.13f },
    { 116,  -0.27f,  -0.89f,  -0.13f },
    { 117,   0.27f,  -0.89f,  -0.13f },
    { 118,   0.80f,  -0.89f,  -0.13f },

    { 119,  -0.80f,  -1.29f,  -0.13f },
    { 120,  -0.27f,  -1.29f,  -0.13f },
    { 121,   0.27f,  -1.29f,  -0.13f },
    { 122,   0.80f,  -1.29f,  -0.13f },

    { 123,  -0.80f,  -1.69f,  -0.12f },
    { 124,  -0.27f,  -1.69f,  -0.13f },
    { 125,   0.27f,  -1.69f,  -0.13f },
    { 126,   0.80f,  -1.69f,  -0.12f },
};
static_assert(std::size(kKeyGrid) == 42 && numberedFrom(kKeyGrid, 85),
              "key grid is vertices 85-126");

// Centre key: a square of side 0.2 about (0, 0.57)
//      v      X        Y        Z
constexpr Fixed kCentreKey[] = {
    { 127,  -0.10f,   0.67f,  -0.12f },
    { 128,  -0.10f,   0.47f,  -0.12f },
    { 129,   0.10f,   0.67f,  -0.12f },
    { 130,   0.10f,   0.47f,  -0.12f },
};
static_assert(std::size(kCentreKey) == 4 && numberedFrom(kCentreKey, 127),
              "centre key is vertices 127-130");

// clang-format on

} // namespace

void model::buildBody()
{
    using rows::putBlock;
    putBlock(kSideOutlines);
    putBlock(kHingeFront);
    putBlock(kHingeBack);
    putBlock(kKeypadOutline);
    putBlock(kKeyGrid);
    putBlock(kCentreKey);
}
