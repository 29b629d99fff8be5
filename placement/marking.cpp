#include <array>

#include "placement/form1.h"
#include "placement/ship_types.h"
#include "shell/module1.h"

namespace game {

namespace {

// The offsets written into Sosedi slots 1 to 8 for an occupied cell, by where the cell lies.
// A slot marked kKept is not written and keeps what an earlier cell left in it: a number that
// is no cell, or a cell that is already red. Cells in a grid corner or at the left or right
// edge leave out the neighbours across the edge, so no mark crosses a row end.
constexpr int kKept = 1000;
using Offsets = std::array<int, 8>;
constexpr Offsets kTopLeftCorner = {kKept, 1, kKept, 10, kKept, kKept, kKept, 11};
constexpr Offsets kBottomRightCorner = {-1, kKept, -10, kKept, -11, kKept, kKept, kKept};
constexpr Offsets kRightColumn = {kKept, -1, -10, 10, kKept, 9, kKept, -11};
constexpr Offsets kLeftColumn = {kKept, 1, -10, 10, kKept, -9, kKept, 11};
// Top and bottom rows fall in here: their offsets above 0 or below 100 name no cell.
constexpr Offsets kOther = {-1, 1, -10, 10, -11, -9, 9, 11};

const Offsets& offsetsFor(int c) {
    if (c == 1) return kTopLeftCorner;
    if (c == 100) return kBottomRightCorner;
    if (c % 10 == 0) return kRightColumn;
    if (c % 10 == 1) return kLeftColumn;
    return kOther;
}

}  // namespace

// The marking, pressed by the ship-type choice: every cell next to a laid segment, sides and
// corners alike, turns red and so refuses segments. It only ever paints red.
void Form1::cmdIskl_Click() {
    for (int c = 1; c <= 100; ++c) {
        if (m_.PoleIgroka[c] != c) continue;
        const Offsets& offsets = offsetsFor(c);
        for (int slot = 1; slot <= 8; ++slot) {
            const int offset = offsets[static_cast<std::size_t>(slot - 1)];
            if (offset != kKept) m_.Sosedi[slot] = c + offset;
        }
        for (int slot = 1; slot <= 8; ++slot) {
            const int n = m_.Sosedi[slot];
            if (n >= 1 && n <= 100) Picture(n).setBackColour(placement::kRed);
        }
    }
}

}  // namespace game
