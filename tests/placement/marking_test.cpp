// The red marking of the cells around laid ships, run by each accepted type choice.
#include <ostream>
#include <set>
#include <vector>

#include "placement/placement_fixture.h"
#include "support/case_name.h"

namespace placement_test {
namespace {

struct MarkCase {
    const char* what;
    std::vector<std::vector<int>> ships;
    std::set<int> red;
};

void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << c.what;
}

class MarkingTest : public PlacementTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(MarkingTest, TheNextChoicePaintsEveryNeighbourOfALaidSegment) {
    std::set<int> segments;
    for (const auto& ship : GetParam().ships) {
        support::layShip(f1(), ship);
        segments.insert(ship.begin(), ship.end());
    }
    const Snapshot before = snapshot();
    choose(2);
    EXPECT_EQ(redCells(), GetParam().red);
    // Only colours change, and only on the player's grid: segments keep their picture.
    EXPECT_EQ(segmentCells(), segments);
    const Snapshot after = snapshot();
    for (std::size_t i = 200; i < 400; ++i)
        EXPECT_EQ(after.cells[i], before.cells[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MarkingTest,
    ::testing::Values(
        MarkCase{"corner 1", {{1}}, {2, 11, 12}}, MarkCase{"corner 100", {{100}}, {89, 90, 99}},
        MarkCase{"corner 10", {{10}}, {9, 19, 20}}, MarkCase{"corner 91", {{91}}, {81, 82, 92}},
        MarkCase{"right column", {{20}}, {9, 10, 19, 29, 30}},
        MarkCase{"left column", {{41}}, {31, 32, 42, 51, 52}},
        MarkCase{"top row", {{5}}, {4, 6, 14, 15, 16}},
        MarkCase{"bottom row", {{95}}, {84, 85, 86, 94, 96}},
        MarkCase{"inner cell", {{55}}, {44, 45, 46, 54, 56, 64, 65, 66}},
        MarkCase{"a Линкор, its own cells included",
                 {{23, 24, 25, 26}},
                 {12, 13, 14, 15, 16, 17, 22, 23, 24, 25, 26, 27, 32, 33, 34, 35, 36, 37}},
        MarkCase{"a Фрегат down the right column",
                 {{30, 40, 50}},
                 {19, 20, 29, 30, 39, 40, 49, 50, 59, 60}},
        MarkCase{"two ships sharing neighbours",
                 {{45}, {47}},
                 {34, 35, 36, 37, 38, 44, 46, 48, 54, 55, 56, 57, 58}},
        // Cell 1 leaves five slots of the scratch array as the inner cell 55 left them.
        MarkCase{"a corner after an inner cell",
                 {{55}, {1}},
                 {2, 11, 12, 44, 45, 46, 54, 56, 64, 65, 66}}),
    support::NameFromWhat{});

TEST_F(PlacementTest, TheFirstChoicePaintsNothing) {
    const Snapshot before = snapshot();
    choose(4);
    EXPECT_TRUE(redCells().empty());
    EXPECT_EQ(snapshot().Sosedi, before.Sosedi);
    EXPECT_EQ(snapshot().cells, before.cells);
}

TEST_F(PlacementTest, MarksAppearAtTheChoiceAfterTheLastSegment) {
    support::layShip(f1(), {45, 46});
    EXPECT_TRUE(redCells().empty());
    choose(1);
    EXPECT_EQ(redCells().size(), 12u);
}

}  // namespace
}  // namespace placement_test
