// The small fixed details: the recess and key on the left, the end-face plate, the keys on
// the right and, on the right end of the hinge block, three rings about the hinge axis with
// a tab between them.
#include "tables.h"
#include "vertices_rows.h"

#include <cmath>
#include <iterator>

namespace {

using model::rows::Fixed;
using model::rows::numberedFrom;

// clang-format off

// Recess in the left end of the hinge block: floor 131-134, inner panel 135-138
//      v      X        Y        Z
constexpr Fixed kLeftRecess[] = {
    { 131,  -0.94f,   1.90f,  -0.40f },
    { 132,  -0.94f,   1.90f,   0.40f },
    { 133,  -0.94f,   1.10f,  -0.40f },
    { 134,  -0.94f,   1.10f,   0.40f },
    { 135,  -0.95f,   1.70f,  -0.20f },
    { 136,  -0.95f,   1.70f,   0.20f },
    { 137,  -0.95f,   1.30f,  -0.20f },
    { 138,  -0.95f,   1.30f,   0.20f },
};
static_assert(std::size(kLeftRecess) == 8 && numberedFrom(kLeftRecess, 131),
              "left recess is vertices 131-138");

// Left side key at the joint of lower body and hinge block
//      v      X        Y        Z
constexpr Fixed kLeftKey[] = {
    { 139,  -1.01f,   1.00f,   0.40f },
    { 140,  -1.01f,   1.10f,   0.10f },
    { 141,  -1.01f,   1.10f,   0.40f },
    { 142,  -1.01f,   1.00f,   0.10f },
    { 143,  -0.95f,   1.10f,   0.10f },
    { 144,  -0.95f,   1.10f,   0.40f },
    { 145,  -1.01f,   0.90f,   0.40f },
    { 146,  -1.01f,   0.90f,   0.10f },
};
static_assert(std::size(kLeftKey) == 8 && numberedFrom(kLeftKey, 139),
              "left side key is vertices 139-146");

// End-face plate on the hinge end, with a raised rectangle on it
//      v      X        Y        Z
constexpr Fixed kEndPlate[] = {
    { 147,   0.40f,   2.01f,   0.10f },
    { 148,   0.60f,   2.01f,  -0.10f },
    { 149,   0.40f,   2.01f,  -0.10f },
    { 150,   0.60f,   2.01f,   0.10f },
    { 151,   0.53f,   2.02f,  -0.07f },
    { 152,   0.53f,   2.02f,   0.07f },
    { 153,   0.47f,   2.02f,  -0.07f },
    { 154,   0.47f,   2.02f,   0.07f },
};
static_assert(std::size(kEndPlate) == 8 && numberedFrom(kEndPlate, 147),
              "end-face plate is vertices 147-154");

// Right side keys: key plate and key top 175-182, strip key with its ridge 183-188
//      v      X        Y        Z
constexpr Fixed kRightKeys[] = {
    { 175,   1.01f,   0.90f,   0.40f },
    { 176,   1.01f,   0.90f,   0.00f },
    { 177,   1.01f,   0.50f,   0.00f },
    { 178,   1.01f,   0.50f,   0.40f },
    { 179,   1.02f,   0.80f,   0.30f },
    { 180,   1.02f,   0.80f,   0.10f },
    { 181,   1.02f,   0.60f,   0.10f },
    { 182,   1.02f,   0.60f,   0.30f },
    { 183,   1.01f,   0.50f,   0.30f },
    { 184,   1.01f,   0.50f,   0.05f },
    { 185,   1.02f,   0.30f,   0.05f },
    { 186,   1.02f,   0.30f,   0.30f },
    { 187,   1.01f,   0.10f,   0.30f },
    { 188,   1.01f,   0.10f,   0.05f },
};
static_assert(std::size(kRightKeys) == 14 && numberedFrom(kRightKeys, 175),
              "right side keys are vertices 175-188");

// Tab on the right end of the hinge block, between the inner and the outer ring
//      v      X        Y        Z
constexpr Fixed kTab[] = {
    { 225,   1.02f,   1.95f,   0.10f },
    { 226,   1.02f,   1.75f,   0.10f },
    { 227,   1.02f,   1.75f,  -0.10f },
    { 228,   1.02f,   1.95f,  -0.10f },
};
static_assert(std::size(kTab) == 4 && numberedFrom(kTab, 225), "tab is vertices 225-228");

// clang-format on

// A ring of 18 points about the hinge axis in the plane X = x; point 0 is on the hinge-end
// side and the points run from there towards +Z.
struct Ring {
    int first;
    float x;
    double radius;
};
constexpr int kRingPoints = 18;

constexpr Ring kOuterRing = {189, 1.01f, 0.4};
constexpr Ring kInnerRing = {207, 1.02f, 0.2};
constexpr Ring kHub = {229, 1.03f, 0.05};

static_assert(kOuterRing.first + kRingPoints == kInnerRing.first, "inner ring follows outer");
static_assert(kInnerRing.first + kRingPoints == kTab[0].v, "tab follows inner ring");
static_assert(kTab[std::size(kTab) - 1].v + 1 == kHub.first, "hub follows tab");
static_assert(kHub.first + kRingPoints - 1 == kLastWrittenVertex, "hub is the last block");

void putRing(const Ring &ring)
{
    for (int q = 0; q < kRingPoints; ++q) {
        // 20 degree steps from the single-precision pi, kept in double through the sine.
        const double theta = q * double(pi) / 9;
        model::put(ring.first + q, ring.x, model::kHingeY + ring.radius * std::cos(theta),
                   ring.radius * std::sin(theta));
    }
}

} // namespace

void model::buildDetails()
{
    using rows::putBlock;
    putBlock(kLeftRecess);
    putBlock(kLeftKey);
    putBlock(kEndPlate);
    putBlock(kRightKeys);
    putRing(kOuterRing);
    putRing(kInnerRing);
    putBlock(kTab);
    putRing(kHub);
}
