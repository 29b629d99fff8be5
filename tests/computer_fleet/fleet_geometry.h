// An independent judge of a computer fleet, by rows and columns rather than cell arithmetic:
// the ten ships in their FlotVraga slots, each a run of adjacent cells along one row or one
// column in slot order, twenty distinct cells, no two ships touching by a side or a corner.
#pragma once

#include <array>
#include <cstdlib>
#include <vector>

#include "support/game_fixture.h"

namespace fleet_test {

using Slots = std::array<int, 21>;

constexpr int kLengths[10] = {4, 3, 3, 2, 2, 2, 1, 1, 1, 1};

inline Slots slotsOf(const support::Fleet& fleet) {
    Slots slots{};
    int slot = 1;
    for (const auto& ship : fleet) {
        for (int cell : ship)
            slots.at(static_cast<std::size_t>(slot++)) = cell;
    }
    return slots;
}

inline bool legalFleet(const Slots& f) {
    int owner[10][10];
    for (auto& row : owner) {
        for (int& o : row)
            o = -1;
    }
    struct Pos {
        int row, col;
    };
    std::vector<std::vector<Pos>> ships;
    int slot = 1;
    for (int s = 0; s < 10; ++s) {
        std::vector<Pos> ship;
        for (int i = 0; i < kLengths[s]; ++i, ++slot) {
            const int c = f[static_cast<std::size_t>(slot)];
            if (c < 1 || c > 100) return false;
            ship.push_back({(c - 1) / 10, (c - 1) % 10});
        }
        if (ship.size() > 1) {
            const int dr = ship[1].row - ship[0].row;
            const int dc = ship[1].col - ship[0].col;
            if (std::abs(dr) + std::abs(dc) != 1) return false;
            for (std::size_t i = 1; i < ship.size(); ++i) {
                if (ship[i].row - ship[i - 1].row != dr || ship[i].col - ship[i - 1].col != dc) {
                    return false;
                }
            }
        }
        for (const Pos& p : ship) {
            if (owner[p.row][p.col] != -1) return false;
            owner[p.row][p.col] = s;
        }
        ships.push_back(ship);
    }
    for (int s = 0; s < 10; ++s) {
        for (const Pos& p : ships[static_cast<std::size_t>(s)]) {
            for (int r = p.row - 1; r <= p.row + 1; ++r) {
                for (int c = p.col - 1; c <= p.col + 1; ++c) {
                    if (r < 0 || r > 9 || c < 0 || c > 9) continue;
                    if (owner[r][c] != -1 && owner[r][c] != s) return false;
                }
            }
        }
    }
    return true;
}

}  // namespace fleet_test
