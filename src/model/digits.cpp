// The digital clock's index data. Each digit is up to five straight strokes between the
// six vertices of its cell: 0/1 the lower row, 2/3 the middle, 4/5 the upper (nearer the
// hinge), left before right. A line takes its second vertex's colour; all cell vertices
// are black, so which end of a stroke comes first does not show.
#include "tables.h"

#include <cassert>
#include <cstring>

// Unused strokes are 0-0, a zero-length line on the cell's base vertex, so every digit
// always rewrites all five of its rows and no stroke of the previous digit survives.
// clang-format off
const GLubyte model::kGlyphs[10][5][2] = {
    { {0, 1}, {1, 5}, {0, 4}, {4, 5}, {0, 0} },
    { {1, 5}, {0, 0}, {0, 0}, {0, 0}, {0, 0} },
    { {0, 1}, {0, 2}, {3, 2}, {3, 5}, {4, 5} },
    { {0, 1}, {1, 5}, {3, 2}, {5, 4}, {0, 0} },
    { {4, 2}, {1, 3}, {3, 2}, {3, 5}, {0, 0} },
    { {0, 1}, {1, 3}, {3, 2}, {2, 4}, {4, 5} },
    { {0, 1}, {1, 3}, {3, 2}, {2, 0}, {2, 5} },
    { {0, 5}, {5, 4}, {0, 0}, {0, 0}, {0, 0} },
    { {0, 1}, {1, 5}, {0, 4}, {4, 5}, {3, 2} },
    { {4, 5}, {5, 3}, {4, 2}, {3, 2}, {3, 0} },
};
// clang-format on

namespace {

// Hand quads: tip, shoulder, dial centre, other shoulder. The 4th vertex gives the colour
// (blue hour hand, green minute hand) and the order the winding that culling keeps.
constexpr GLubyte kHands[2][4] = {{158, 156, 155, 157}, {161, 159, 155, 160}};

// Second hand: dial centre to tip, so the line takes the tip's red.
constexpr GLubyte kSecondHand[2] = {155, 162};

} // namespace

void model::drawGlyph(int digit, GLubyte pos, int arr)
{
    assert(digit >= 0 && digit <= 9);
    assert(arr >= 0 && arr + 4 < 30);
    for (int i = 0; i < 5; ++i) {
        ArrayNum[arr + i][0] = GLubyte(pos + kGlyphs[digit][i][0]);
        ArrayNum[arr + i][1] = GLubyte(pos + kGlyphs[digit][i][1]);
    }
}

void model::putClockRows()
{
    std::memcpy(&ArrayNum[30], kColonDots, sizeof kColonDots);
    std::memcpy(ArrayAn, kHands, sizeof kHands);
    std::memcpy(secStr, kSecondHand, sizeof kSecondHand);
}
