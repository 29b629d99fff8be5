// The whole-fleet checks against the independent judge: named cases around corners, middle
// cells and row ends, then many random fleets of every kind.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "computer_fleet/fleet_checks.h"
#include "computer_fleet/fleet_draw.h"
#include "fleet_geometry.h"
#include "shell/module1.h"
#include "ui/random.h"

namespace {

using fleet_test::kLengths;
using fleet_test::legalFleet;
using fleet_test::Slots;
using support::Fleet;

bool touchesAny(const std::vector<int>& cells, const Fleet& placed) {
    for (const auto& ship : placed) {
        for (int a : ship) {
            for (int b : cells) {
                const int dr = (a - 1) / 10 - (b - 1) / 10;
                const int dc = (a - 1) % 10 - (b - 1) % 10;
                if (std::abs(dr) <= 1 && std::abs(dc) <= 1) return true;
            }
        }
    }
    return false;
}

// Fills each empty ship with the first placement, in cell order, that keeps clear of every
// ship already there, so a case only has to name the ships it is about.
Fleet completed(Fleet fleet) {
    for (std::size_t s = 0; s < fleet.size(); ++s) {
        if (!fleet[s].empty()) continue;
        const int length = kLengths[s];
        for (int bow = 1; bow <= 100 && fleet[s].empty(); ++bow) {
            for (int step : {1, 10}) {
                std::vector<int> cells;
                for (int i = 0; i < length; ++i)
                    cells.push_back(bow + i * step);
                const int last = cells.back();
                if (last > 100 || (step == 1 && (last - 1) / 10 != (bow - 1) / 10)) continue;
                if (!touchesAny(cells, fleet)) {
                    fleet[s] = cells;
                    break;
                }
            }
        }
    }
    return fleet;
}

bool passes(const Slots& slots) {
    game::Module1 m;
    m.FlotVraga = slots;
    return game::fleetPasses(m);
}

TEST(FleetChecksTest, NamedCases) {
    struct Case {
        std::string what;
        Fleet ships;  // Линкор, Фрегат, Фрегат, Галеон x3, Люгер x4; empty ones are filled in
        bool legal;
    };
    const std::vector<Case> cases = {
        {"two Люгер on one cell", {{}, {}, {}, {}, {}, {}, {45}, {45}, {}, {}}, false},
        {"a Люгер on the Линкор", {{24, 34, 44, 54}, {}, {}, {}, {}, {}, {44}, {}, {}, {}}, false},
        {"corners 1 and 12", {{}, {}, {}, {}, {}, {}, {1}, {12}, {}, {}}, false},
        {"Галеон 45-46, Люгер 57", {{}, {}, {}, {45, 46}, {}, {}, {57}, {}, {}, {}}, false},
        {"Люгер beside the Линкор's middle",
         {{24, 34, 44, 54}, {}, {}, {}, {}, {}, {45}, {}, {}, {}},
         false},
        {"far end on the bottom edge, corner touch",
         {{61, 71, 81, 91}, {}, {}, {}, {}, {}, {}, {}, {}, {82}},
         false},
        {"Люгер 1 and 3", {{}, {}, {}, {}, {}, {}, {1}, {3}, {}, {}}, true},
        {"Люгер 1 and 23", {{}, {}, {}, {}, {}, {}, {1}, {23}, {}, {}}, true},
        {"Фрегат on 1, 2, 3", {{}, {1, 2, 3}, {}, {}, {}, {}, {}, {}, {}, {}}, true},
        {"Линкор reversed along the right edge",
         {{100, 90, 80, 70}, {}, {}, {}, {}, {}, {}, {}, {}, {}},
         true},
        {"row end 10 / 11", {{}, {}, {}, {}, {}, {}, {10}, {11}, {}, {}}, true},
        {"row end 10 / 21", {{}, {}, {}, {}, {}, {}, {10}, {21}, {}, {}}, true},
        {"row end 1 / 10", {{}, {}, {}, {}, {}, {}, {1}, {10}, {}, {}}, true},
        {"row end 91 / 90", {{}, {}, {}, {}, {}, {}, {91}, {90}, {}, {}}, true},
        {"row end 91 / 80", {{}, {}, {}, {}, {}, {}, {91}, {80}, {}, {}}, true},
        {"row end 100 / 91", {{}, {}, {}, {}, {}, {}, {100}, {91}, {}, {}}, true},
        {"a Галеон across a row end", {{}, {}, {}, {10, 11}, {}, {}, {}, {}, {}, {}}, false},
        {"a bent Фрегат", {{}, {45, 46, 56}, {}, {}, {}, {}, {}, {}, {}, {}}, false},
        {"a Фрегат out of slot order", {{}, {45, 47, 46}, {}, {}, {}, {}, {}, {}, {}, {}}, false},
    };
    for (const Case& c : cases) {
        const Slots slots = fleet_test::slotsOf(completed(c.ships));
        ASSERT_EQ(legalFleet(slots), c.legal) << c.what << ": the case itself is wrong";
        EXPECT_EQ(passes(slots), c.legal) << c.what;
    }
}

TEST(FleetChecksTest, TheInnerChecksLeaveTheLastExaminedNeighboursInTheScratch) {
    game::Module1 m;
    // Every end cell on an edge but the last Люгер, inner cell 57.
    m.FlotVraga = fleet_test::slotsOf({{1, 2, 3, 4},
                                       {10, 20, 30},
                                       {91, 81, 71},
                                       {100, 99},
                                       {50, 60},
                                       {6, 7},
                                       {93},
                                       {96},
                                       {31},
                                       {57}});
    ASSERT_TRUE(game::fleetPasses(m));
    EXPECT_EQ(m.SosediVraga, (std::array<int, 9>{0, 58, 56, 67, 47, 66, 48, 68, 46}));
}

// Random fleets of straight ships anywhere on the grid (the last column and either bow end
// included), most of them illegal; legal ones built ship by ship; legal ones with one ship
// moved, or one cell moved off the line; and fleets from the draw itself.
class RandomFleets {
public:
    std::vector<int> ship(int length) {
        const bool horizontal = coin(rng_) == 1;
        const int along = std::uniform_int_distribution<int>(0, 10 - length)(rng_);
        const int across = std::uniform_int_distribution<int>(0, 9)(rng_);
        std::vector<int> cells;
        for (int i = 0; i < length; ++i) {
            const int row = horizontal ? across : along + i;
            const int col = horizontal ? along + i : across;
            cells.push_back(row * 10 + col + 1);
        }
        if (coin(rng_) == 1) std::reverse(cells.begin(), cells.end());
        return cells;
    }

    Fleet anyFleet() {
        Fleet fleet;
        for (int length : kLengths)
            fleet.push_back(ship(length));
        return fleet;
    }

    Fleet legalFleet() {
        for (;;) {
            Fleet fleet;
            for (int length : kLengths) {
                for (int tries = 0; tries < 200; ++tries) {
                    std::vector<int> cells = ship(length);
                    if (!touchesAny(cells, fleet)) {
                        fleet.push_back(cells);
                        break;
                    }
                }
            }
            if (fleet.size() == 10) return fleet;
        }
    }

    Fleet moved() {
        Fleet fleet = legalFleet();
        const int s = pickShip();
        fleet[static_cast<std::size_t>(s)] = ship(kLengths[s]);
        return fleet;
    }

    Fleet bent() {
        Fleet fleet = legalFleet();
        auto& cells = fleet[std::uniform_int_distribution<std::size_t>(0, 5)(rng_)];
        cells[std::uniform_int_distribution<std::size_t>(0, cells.size() - 1)(rng_)] =
            std::uniform_int_distribution<int>(1, 100)(rng_);
        return fleet;
    }

    int pickShip() { return std::uniform_int_distribution<int>(0, 9)(rng_); }

private:
    std::mt19937 rng_{20240611};
    std::uniform_int_distribution<int> coin{0, 1};
};

TEST(FleetChecksTest, AgreeWithTheJudgeOnRandomFleets) {
    RandomFleets random;
    ui::DefaultRandom source;
    int legal = 0;
    int illegal = 0;
    for (int i = 0; i < 20000; ++i) {
        Slots slots{};
        switch (i % 5) {
            case 0:
                slots = fleet_test::slotsOf(random.anyFleet());
                break;
            case 1:
                slots = fleet_test::slotsOf(random.legalFleet());
                break;
            case 2:
                slots = fleet_test::slotsOf(random.moved());
                break;
            case 3:
                slots = fleet_test::slotsOf(random.bent());
                break;
            default: {
                // The draw's own fleets, at a few warm-up counts.
                if (i % 500 != 4) continue;
                game::Module1 m;
                game::drawComputerFleet(m, source, 1 + i % 30);
                slots = m.FlotVraga;
            }
        }
        const bool judged = legalFleet(slots);
        (judged ? legal : illegal)++;
        ASSERT_EQ(passes(slots), judged)
            << "fleet " << i << ": " << ::testing::PrintToString(slots);
    }
    EXPECT_GT(legal, 4000);
    EXPECT_GT(illegal, 4000);
}

}  // namespace
