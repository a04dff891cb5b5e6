// The fixed topology: which vertices make up each quad, ring polygon, outline and dial
// mark. Culling keeps counter-clockwise faces and flat shading colours an unlit quad
// from its 4th vertex, a polygon from its 1st and a line from its 2nd, so the order
// inside every row is part of the data. Rows past these tables stay zero.
#include "tables.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>

namespace {

// clang-format off
constexpr GLubyte kArray4[][4] = {
    // body back face
    {   7,   8,   1,   0 },
    // keypad face, strip left of the keypad field
    {   2,  43,  35,   3 },
    // hinge block, right face
    {  20,  23,   7,   6 },
    // lid left edge, free end, right edge
    {  16,  15,  14,  13 },
    {  17,  16,  13,  12 },
    {  18,  17,  12,  11 },
    // body ends at Y = 2 and Y = -2
    {   0,   5,   6,   7 },
    {   8,   9,   2,   1 },
    // hinge block face at Z = -0.5
    {  20,  21,   5,   4 },
    // hinge block faces at Y = 1, Z = -0.5, X = 1, with a corner on the moving lid vertex 18
    {  10,  18,   4,   3 },
    {  18,   6,  21,  22 },
    {  18,  23,   7,   6 },
    // body right side, hinge block face at Z = -0.5, body left side
    {   9,   8,  23,  10 },
    {   6,   5,   4,  20 },
    {   1,   2,   3,  30 },
    // lid hinge end
    {  11,  14,  15,  18 },
    // hinge block face above the keypad face
    {  10,  20,   4,   3 },
    // lid outer face around the outer display
    {  26,  27,  15,  16 },
    {  24,  18,  15,  27 },
    {  17,  18,  24,  25 },
    {  16,  17,  25,  26 },
    // lid inner face around the main screen, down to the screen's recess
    {  14,  32,  33,  13 },
    {  13,  33,  34,  12 },
    {  12,  34,  31,  11 },
    {  11,  31,  32,  14 },
    // keypad face below, right of and above the field; band above the number field
    {   9,  44,  43,   2 },
    {  10,  36,  44,   9 },
    {   3,  35,  36,  10 },
    {  39,  41,  42,  40 },
    // keys: left upper, right upper, centre, row of four, number field
    {  94,  86,  85,  93 },
    {  88,  87,  95,  96 },
    { 127, 128, 130, 129 },
    { 101,  97, 102, 106 },
    { 107, 123, 126, 110 },
    // sloping walls of the recess in the hinge block's left face
    {   0, 132, 131,   5 },
    {   5, 131, 133,   4 },
    {   4, 133, 134,  30 },
    {  30, 134, 132,   0 },
    // key top on the right side key plate
    { 179, 180, 181, 182 },
    // tab
    { 227, 226, 225, 228 },
};

constexpr GLubyte kArray4d[][4] = {
    // outer display, main screen, floor of the left recess
    {  27,  26,  25,  24 },
    {  33,  32,  31,  34 },
    { 133, 131, 132, 134 },
    // upper keypad field: margins and the bands above the row of four keys
    {  39, 102,  85,  35 },
    {  35,  85,  88,  36 },
    {  96,  93,  97, 101 },
    {  88, 106,  40,  36 },
    {  40, 106, 102,  39 },
    {  97,  93,  96, 100 },
    // middle area around the centre key
    {  94, 128, 127,  86 },
    {  87, 129, 130,  95 },
    { 127, 129,  87,  86 },
    { 130, 128,  94,  95 },
    // margins around the number field
    {  43, 123, 107,  41 },
    { 126, 123,  43,  44 },
    { 110, 126,  44,  42 },
    { 107, 110,  42,  41 },
    // inner panel of the left recess
    { 137, 135, 136, 138 },
    // left side key; the 3rd and 4th rows repeat a vertex and draw as triangles
    { 140, 141, 139, 142 },
    { 144, 141, 140, 143 },
    { 144, 139, 141, 144 },
    { 143, 140, 142, 143 },
    { 142, 139, 145, 146 },
    // plate on the hinge end face: square, raised rectangle
    { 147, 149, 148, 150 },
    { 153, 151, 152, 154 },
    // right side keys: key plate, strip key
    { 175, 176, 177, 178 },
    { 187, 183, 184, 188 },
};

// Hinge rings: outer ring, inner ring, hub. Each closes on its first point again.
constexpr GLubyte kArray18[][19] = {
    {206, 205, 204, 203, 202, 201, 200, 199, 198, 197, 196, 195, 194, 193, 192, 191, 190, 189, 206},
    {224, 223, 222, 221, 220, 219, 218, 217, 216, 215, 214, 213, 212, 211, 210, 209, 208, 207, 224},
    {246, 245, 244, 243, 242, 241, 240, 239, 238, 237, 236, 235, 234, 233, 232, 231, 230, 229, 246},
};

// Translucent overlays: lid inner face over the main screen, hinge block's left face
constexpr GLubyte kArray4m[][4] = {
    {  12,  13,  14,  11 },
    {   4,   5,   0,  30 },
};

constexpr GLubyte kIndexArray[][2] = {
    // body and hinge block outline
    {   0,   1 }, {   1,   2 }, {   2,   3 }, {   3,   4 }, {   4,   5 }, {   5,   6 },
    {   6,   7 }, {   7,   8 }, {   0,   5 }, {   1,   8 }, {   0,   7 }, {   8,   9 },
    {   9,  10 }, {  10,   3 }, {   9,   2 }, {  20,   6 },
    // lid
    {  11,  12 }, {  12,  13 }, {  13,  14 }, {  14,  11 }, {  14,  15 }, {  15,  16 },
    {  16,  13 }, {  16,  17 }, {  17,  12 }, {  17,  18 },
    // hinge block
    {   6,  21 }, {  23,  20 }, {  22,  19 }, {   4,  20 }, {  19,  28 }, {  28,  29 },
    {  23,  29 },
    // outer display
    {  27,  24 }, {  24,  25 }, {  25,  26 }, {  26,  27 },
    // hinge block
    {  22,  21 },
    // lid hinge end
    {  11,  18 }, {  18,  15 },
    // main screen
    {  31,  32 }, {  32,  33 }, {  33,  34 }, {  34,  31 },
    // hinge block
    {  22,  29 },
    // dividing lines of the key grid
    {  89,  90 }, {  91,  92 }, {  98, 103 }, {  99, 104 }, { 100, 105 }, { 108, 124 },
    { 125, 109 }, { 111, 114 }, { 115, 118 }, { 119, 122 },
    // middle area around the centre key
    {  86,  87 }, {  95,  87 }, {  95,  94 }, {  86,  94 },
    // right side key plate
    { 175, 176 }, { 176, 177 }, { 178, 177 }, { 178, 175 },
    // ridge of the strip key
    { 185, 186 },
};

// Dial marks, 12 o'clock first
constexpr GLubyte kPointsHo[] = {
    163, 164, 165, 166, 167, 168, 169, 170, 171, 172, 173, 174,
};
// clang-format on

static_assert(std::size(kArray4) == 40, "40 lit quads");
static_assert(std::size(kArray4d) == 27, "27 unlit quads");
static_assert(std::size(kArray18) == 3, "three rings");
static_assert(std::size(kArray4m) == 2, "two overlay quads");
static_assert(kArray4m[0][3] == model::kOverlayTinted[0] &&
                  kArray4m[1][3] == model::kOverlayTinted[1],
              "the tinted vertices colour the overlay quads");
static_assert(std::size(kIndexArray) == 64, "64 outlines");
static_assert(std::size(kPointsHo) == 12, "twelve dial marks");

// Copies the leading rows of a table; the rows after them are left alone.
template <std::size_t Rows, std::size_t N, std::size_t Cols>
void copyRows(GLubyte (&to)[Rows][Cols], const GLubyte (&from)[N][Cols])
{
    static_assert(N <= Rows, "the literal rows fit the table");
    std::memcpy(to, from, sizeof from);
}

} // namespace

void model::buildIndices()
{
    copyRows(Array4, kArray4);
    copyRows(Array4d, kArray4d);
    copyRows(Array18, kArray18);
    copyRows(Array4m, kArray4m);
    copyRows(IndexArray, kIndexArray);
    static_assert(std::size(kPointsHo) == std::size(PointsHo), "one entry per dial mark");
    std::copy(std::begin(kPointsHo), std::end(kPointsHo), std::begin(PointsHo));
}
