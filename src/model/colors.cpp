// The colour table. Everything is flat-shaded, so an unlit face or line shows the colour
// of one vertex only: broad runs are painted black first, then the few vertices that
// lend their colour to a face, a line or a dial mark are painted over them. The steps
// run in order and a later step wins.
#include "tables.h"

#include <cstddef>
#include <iterator>

namespace {

struct Rgb {
    GLfloat r, g, b;
};

constexpr Rgb kBlack{0.0f, 0.0f, 0.0f};
constexpr Rgb kWhite{1.0f, 1.0f, 1.0f};
constexpr Rgb kLightGrey{0.9f, 0.9f, 0.9f};
constexpr Rgb kMidGrey{0.7f, 0.7f, 0.7f};
constexpr Rgb kRed{1.0f, 0.0f, 0.0f};
constexpr Rgb kGreen{0.0f, 1.0f, 0.0f};
constexpr Rgb kBlue{0.0f, 0.0f, 1.0f};

// Key-grid vertices that colour the keypad margins, bands and dividing lines.
// clang-format off
constexpr GLubyte kKeypadGrey[] = {
     86,  89,  90,  91,  92,  95,  98,  99, 100, 101, 103, 104,
    105, 108, 109, 111, 114, 115, 118, 119, 122, 124, 125, 134,
};
// clang-format on
static_assert(std::size(kKeypadGrey) == 24, "24 light-grey key-grid entries");

// One fill step: the run first..last, or, when list is set, the listed entries instead.
struct Step {
    Rgb colour;
    int first, last;
    const GLubyte *list;
    std::size_t count;
};

constexpr Step run(int first, int last, Rgb colour)
{
    return {colour, first, last, nullptr, 0};
}

template <std::size_t N> constexpr Step entries(const GLubyte (&list)[N], Rgb colour)
{
    return {colour, 0, -1, list, N};
}

// Whole table: black bases, then the vertices that give a face or line its colour.
// clang-format off
constexpr Step kSteps[] = {
    run(  0,  23, kBlack),
    run( 24,  24, kWhite),
    run( 25,  33, kBlack),
    run( 34,  34, kWhite),
    run( 35,  44, kLightGrey),
    run( 40,  40, kBlack),
    run( 45, 138, kBlack),
    entries(kKeypadGrey, kLightGrey),
    run(139, 150, kMidGrey),
    run(151, 174, kBlack),
    run(157, 157, kBlue),
    run(160, 160, kGreen),
    run(162, 162, kRed),
    entries(model::kLargeDialMarks, kRed),
    run(175, 249, kBlack),
    run(178, 178, kLightGrey),
    run(188, 188, kLightGrey),
    run(206, 206, kLightGrey),
    run(224, 224, kMidGrey),
    run(228, 228, kMidGrey),
    run(246, 246, kRed),
};
// clang-format on
static_assert(std::size(kSteps) == 21, "the fill is 21 steps");

void paint(int v, Rgb c)
{
    ColorArray[v][0] = c.r;
    ColorArray[v][1] = c.g;
    ColorArray[v][2] = c.b;
    ColorArray[v][3] = 1.0f;
}

} // namespace

void model::buildColors()
{
    for (const Step &s : kSteps) {
        if (s.list) {
            for (std::size_t i = 0; i < s.count; ++i)
                paint(s.list[i], s.colour);
        } else {
            for (int v = s.first; v <= s.last; ++v)
                paint(v, s.colour);
        }
    }
}
