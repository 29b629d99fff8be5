// The computer's memory of the player's grid, kept in Module1 for one game: the hit ring
// (every cell touching a cell the computer has hit) and the no-shoot mask (the ring as it
// stood when the computer last found its hunted ship complete). Both are self-numbered sets.
#pragma once

#include <array>

namespace game {

struct Module1;

namespace computer_turn {

// The board neighbours of cell k (1..100) in the order they are marked: three at a corner,
// five on an edge, eight inside; nothing wraps from one row into the next.
struct Ring {
    std::array<int, 8> cells{};
    int count = 0;
};
Ring ringOf(int k);

// Adds the neighbours of the hit cell k to the hit ring (never k itself).
void markRing(Module1& m, int k);
// Copies the hit ring into the no-shoot mask, cell by cell.
void commitRing(Module1& m);
// True when the mask keeps the computer away from cell k (1..100).
bool inMask(const Module1& m, int k);

}  // namespace computer_turn
}  // namespace game
