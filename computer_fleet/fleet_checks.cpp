#include "computer_fleet/fleet_checks.h"

#include <array>

#include "placement/ship_types.h"
#include "shell/module1.h"

namespace game {

namespace {

using placement::FleetShip;
using placement::kFleetCells;
using Fleet = std::array<int, kFleetCells + 1>;

// What a slot is within its own ship, from the fleet's layout.
struct SlotRoles {
    // For each end slot, the slot next to it in its own ship: the one pair a border check
    // passes over, since that cell touches the end by construction. 0 for a Люгер and a
    // middle slot.
    std::array<int, kFleetCells + 1> ownNeighbour{};
    // Slots strictly inside a ship, which the border checks never examine.
    std::array<bool, kFleetCells + 1> middle{};
};

constexpr SlotRoles slotRoles() {
    SlotRoles roles;
    for (const FleetShip& ship : placement::kLongShips) {
        roles.ownNeighbour[ship.firstSlot] = ship.firstSlot + 1;
        roles.ownNeighbour[ship.lastSlot()] = ship.lastSlot() - 1;
        for (int slot = ship.firstSlot + 1; slot < ship.lastSlot(); ++slot)
            roles.middle[slot] = true;
    }
    return roles;
}

constexpr SlotRoles kRoles = slotRoles();

// An inner cell has all eight neighbours on the grid: rows and columns 1 to 8.
constexpr bool isInner(int cell) {
    const int row = (cell - 1) / 10;
    const int column = (cell - 1) % 10;
    return cell >= 1 && cell <= 100 && row >= 1 && row <= 8 && column >= 1 && column <= 8;
}

struct Edge {
    int first;   // the lowest edge cell
    int stride;  // between edge cells, ten of them
    std::array<int, 5> offsets;
    // At the corners some offsets would step through a side onto the far end of a row:
    // (cell, offset) pairs, unused entries left as cell 0.
    std::array<std::array<int, 2>, 3> notApplied{};

    bool applies(int cell, int offset) const {
        for (const auto& [c, o] : notApplied) {
            if (c == cell && o == offset) return false;
        }
        return true;
    }
};

const Edge kEdges[] = {
    {1, 10, {-10, 10, -9, 1, 11}, {}},                                   // left column
    {1, 1, {-1, 1, 9, 10, 11}, {{{1, 9}, {10, 1}, {10, 11}}}},           // top row
    {10, 10, {-1, -10, 9, 10, -11}, {}},                                 // right column
    {91, 1, {-1, 1, -9, -10, -11}, {{{91, -1}, {91, -11}, {100, -9}}}},  // bottom row
};

bool noOverlap(const Fleet& f) {
    for (int i = 1; i <= kFleetCells; ++i) {
        for (int j = i + 1; j <= kFleetCells; ++j) {
            if (f[i] == f[j]) return false;
        }
    }
    return true;
}

// An end cell on an edge is compared with every slot of the other nine ships.
bool edgeClear(const Fleet& f, const Edge& edge) {
    for (int k = 0; k < 10; ++k) {
        const int x = edge.first + k * edge.stride;
        for (int j = 1; j <= kFleetCells; ++j) {
            if (f[j] != x || kRoles.middle[j]) continue;
            for (int s = 1; s <= kFleetCells; ++s) {
                if (s == kRoles.ownNeighbour[j]) continue;
                for (int o : edge.offsets) {
                    if (edge.applies(x, o) && f[s] == x + o) return false;
                }
            }
        }
    }
    return true;
}

// The eight neighbours of an inner end cell go to SosediVraga and are compared with every
// slot from `fromSlot` on.
bool innerEndClear(Module1& m, int x, int fromSlot) {
    constexpr int offsets[8] = {1, -1, 10, -10, 9, -9, 11, -11};
    for (int t = 0; t < 8; ++t)
        m.SosediVraga[t + 1] = x + offsets[t];
    for (int j = fromSlot; j <= kFleetCells; ++j) {
        for (int t = 1; t <= 8; ++t) {
            if (m.FlotVraga[j] == m.SosediVraga[t]) return false;
        }
    }
    return true;
}

// A ship's inner end cells, the lower cell first, against the ships that follow it.
bool shipEndsClear(Module1& m, const FleetShip& ship) {
    const int fromSlot = ship.lastSlot() + 1;
    const int a = m.FlotVraga[ship.firstSlot];
    const int b = m.FlotVraga[ship.lastSlot()];
    const int low = a < b ? a : b;
    const int high = a < b ? b : a;
    if (isInner(low) && !innerEndClear(m, low, fromSlot)) return false;
    if (high != low && isInner(high) && !innerEndClear(m, high, fromSlot)) return false;
    return true;
}

// Every ship runs from its first slot to its last one cell at a time along a row, without
// crossing the row's end, or along a column. The draw only ever makes such ships; the
// examination of end cells alone is sound only for them.
bool shipsStraight(const Fleet& f) {
    for (int slot = 1; slot <= kFleetCells; ++slot) {
        if (f[slot] < 1 || f[slot] > 100) return false;
    }
    for (const FleetShip& ship : placement::kLongShips) {
        const int step = f[ship.firstSlot + 1] - f[ship.firstSlot];
        const bool horizontal = step == 1 || step == -1;
        if (!horizontal && step != 10 && step != -10) return false;
        for (int slot = ship.firstSlot + 1; slot <= ship.lastSlot(); ++slot) {
            if (f[slot] - f[slot - 1] != step) return false;
            if (horizontal && (f[slot] - 1) / 10 != (f[slot - 1] - 1) / 10) return false;
        }
    }
    return true;
}

}  // namespace

bool fleetPasses(Module1& m) {
    const Fleet& f = m.FlotVraga;
    if (!noOverlap(f)) return false;
    for (const Edge& edge : kEdges) {
        if (!edgeClear(f, edge)) return false;
    }
    for (const FleetShip& ship : placement::kLongShips) {
        if (!shipEndsClear(m, ship)) return false;
    }
    // A Люгер's one cell is compared from its own slot on; it is never its own neighbour.
    for (const FleetShip& lyger : placement::kLygers) {
        const int x = m.FlotVraga[lyger.firstSlot];
        if (isInner(x) && !innerEndClear(m, x, lyger.firstSlot)) return false;
    }
    return shipsStraight(f);
}

}  // namespace game
