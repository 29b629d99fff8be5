#include "computer_turn/hit_ring.h"

#include "shell/module1.h"

namespace game::computer_turn {

namespace {

// Steps from k to its neighbours, by where k lies on the board. The marking order is part of
// the game's behaviour, so each case keeps its own order.
struct Offsets {
    std::array<int, 8> steps;
    int count;
};

constexpr Offsets kTopLeft{{+1, +10, +11}, 3};
constexpr Offsets kTopRight{{-1, +10, +9}, 3};
constexpr Offsets kBottomLeft{{+1, -10, -9}, 3};
constexpr Offsets kBottomRight{{-10, -11, -1}, 3};
constexpr Offsets kTopRow{{-1, +1, +10, +9, +11}, 5};
constexpr Offsets kBottomRow{{-1, +1, -10, -9, -11}, 5};
constexpr Offsets kFirstColumn{{+10, +1, -10, -9, +11}, 5};
constexpr Offsets kLastColumn{{-1, +10, -10, +9, -11}, 5};
constexpr Offsets kInner{{-1, +10, -10, +9, -11, +1, -9, +11}, 8};

const Offsets& offsetsFor(int k) {
    if (k == 1) return kTopLeft;
    if (k == 10) return kTopRight;
    if (k == 91) return kBottomLeft;
    if (k == 100) return kBottomRight;
    if (k <= 10) return kTopRow;
    if (k >= 91) return kBottomRow;
    if (k % 10 == 1) return kFirstColumn;
    if (k % 10 == 0) return kLastColumn;
    return kInner;
}

}  // namespace

Ring ringOf(int k) {
    const Offsets& o = offsetsFor(k);
    Ring ring;
    ring.count = o.count;
    for (int i = 0; i < o.count; ++i)
        ring.cells[i] = k + o.steps[i];
    return ring;
}

void markRing(Module1& m, int k) {
    const Ring ring = ringOf(k);
    for (int i = 0; i < ring.count; ++i) {
        const int x = ring.cells[i];
        m.SosediPopadaniy[x] = x;
    }
}

void commitRing(Module1& m) {
    for (int j = 1; j <= 100; ++j)
        m.ZapretKomp[j] = m.SosediPopadaniy[j];
}

bool inMask(const Module1& m, int k) {
    return m.ZapretKomp[k] == k;
}

}  // namespace game::computer_turn
