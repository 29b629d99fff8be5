#include "fleet_oracle.h"

#include <algorithm>
#include <string>
#include <vector>

namespace proof {

namespace {

bool onGrid(int row, int col) {
    return row >= 0 && row < 10 && col >= 0 && col < 10;
}

}  // namespace

support::Fleet randomLegalFleet(std::mt19937& rng) {
    const int lengths[] = {4, 3, 3, 2, 2, 2, 1, 1, 1, 1};
    while (true) {
        bool taken[10][10] = {};
        support::Fleet fleet;
        bool stuck = false;
        for (int length : lengths) {
            bool placed = false;
            for (int attempt = 0; attempt < 500 && !placed; ++attempt) {
                const bool down = rng() % 2 == 0;
                const int row = static_cast<int>(rng() % 10), col = static_cast<int>(rng() % 10);
                std::vector<int> cells;
                bool fits = true;
                for (int i = 0; i < length && fits; ++i) {
                    const int r = row + (down ? i : 0), c = col + (down ? 0 : i);
                    if (!onGrid(r, c)) fits = false;
                    for (int dr = -1; dr <= 1 && fits; ++dr) {
                        for (int dc = -1; dc <= 1 && fits; ++dc) {
                            if (onGrid(r + dr, c + dc) && taken[r + dr][c + dc]) fits = false;
                        }
                    }
                    cells.push_back(r * 10 + c + 1);
                }
                if (!fits) continue;
                for (int cell : cells)
                    taken[(cell - 1) / 10][(cell - 1) % 10] = true;
                if (rng() % 2 == 0) std::reverse(cells.begin(), cells.end());
                fleet.push_back(cells);
                placed = true;
            }
            if (!placed) {
                stuck = true;
                break;
            }
        }
        if (!stuck) return fleet;
    }
}

std::string playerFleetFault(const game::Module1& m) {
    int cells = 0;
    for (int k = 1; k <= 100; ++k) {
        const bool ship = m.PoleIgroka[k] == k;
        if (m.PoleIgroka[k] != 0 && !ship) return "PoleIgroka holds a foreign number";
        if (ship != (m.KorablKletki[k] != 0)) return "the two fleet arrays disagree";
        cells += ship ? 1 : 0;
    }
    if (cells != 20) return "the fleet has " + std::to_string(cells) + " cells";
    // Ships are the side-connected groups of cells; each must be straight, of its length.
    int group[10][10];
    for (auto& row : group)
        std::fill(std::begin(row), std::end(row), -1);
    int count[5] = {};
    int groups = 0;
    for (int k = 1; k <= 100; ++k) {
        const int r0 = (k - 1) / 10, c0 = (k - 1) % 10;
        if (m.PoleIgroka[k] != k || group[r0][c0] != -1) continue;
        std::vector<int> stack{k}, members;
        group[r0][c0] = groups;
        while (!stack.empty()) {
            const int c = stack.back();
            stack.pop_back();
            members.push_back(c);
            const int r = (c - 1) / 10, col = (c - 1) % 10;
            const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& s : steps) {
                const int nr = r + s[0], nc = col + s[1];
                const int n = nr * 10 + nc + 1;
                if (onGrid(nr, nc) && m.PoleIgroka[n] == n && group[nr][nc] == -1) {
                    group[nr][nc] = groups;
                    stack.push_back(n);
                }
            }
        }
        const int length = static_cast<int>(members.size());
        if (length > 4) return "a ship longer than four cells";
        bool sameRow = true, sameCol = true;
        for (int c : members) {
            sameRow = sameRow && (c - 1) / 10 == r0;
            sameCol = sameCol && (c - 1) % 10 == c0;
            if (m.KorablKletki[c] != length) return "a ship's cells name another length";
        }
        if (!sameRow && !sameCol) return "a bent ship";
        ++count[length];
        ++groups;
    }
    if (count[4] != 1 || count[3] != 2 || count[2] != 3 || count[1] != 4) {
        return "the wrong mix of ships";
    }
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 10; ++c) {
            if (group[r][c] == -1) continue;
            for (int dr = -1; dr <= 1; ++dr) {
                for (int dc = -1; dc <= 1; ++dc) {
                    if (onGrid(r + dr, c + dc) && group[r + dr][c + dc] != -1 &&
                        group[r + dr][c + dc] != group[r][c]) {
                        return "two ships touch";
                    }
                }
            }
        }
    }
    return {};
}

}  // namespace proof
