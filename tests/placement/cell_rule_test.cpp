// The cell rule of the player's grid: which click lays the next segment of the current ship.
#include <ostream>
#include <vector>

#include "placement/placement_fixture.h"
#include "support/case_name.h"

namespace placement_test {
namespace {

struct Click {
    int cell;
    bool accepted;
};
Click yes(int cell) {
    return {cell, true};
}
Click no(int cell) {
    return {cell, false};
}

struct RuleCase {
    const char* what;
    int length;
    std::vector<Click> clicks;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.what;
}

class CellRuleTest : public PlacementTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(CellRuleTest, ClicksAreAcceptedOrRefusedByTheRule) {
    const RuleCase& c = GetParam();
    choose(c.length);
    std::vector<int> laid;
    for (const Click& k : c.clicks)
        expectClick(k.cell, k.accepted, c.length, laid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellRuleTest,
    ::testing::Values(
        RuleCase{"a Люгер is done after one cell", 1, {yes(54), no(55), no(44)}},
        RuleCase{"second segment only on a side of the first",
                 2,
                 {yes(45), no(34), no(36), no(54), no(56), no(43), no(47), no(25), no(65), no(45),
                  yes(35)}},
        RuleCase{"second segment left", 2, {yes(45), yes(44)}},
        RuleCase{"second segment below", 2, {yes(45), yes(55)}},
        RuleCase{"a refusal keeps the first cell", 2, {yes(45), no(47), yes(46), no(47)}},
        RuleCase{"no wrap from 10 to 11", 2, {yes(10), no(11), yes(9)}},
        RuleCase{"10 to 20", 2, {yes(10), yes(20)}},
        RuleCase{"no wrap from 31 to 30", 2, {yes(31), no(30), yes(32)}},
        RuleCase{"100 to 99", 2, {yes(100), yes(99)}},
        RuleCase{"100 to 90", 2, {yes(100), yes(90)}},
        RuleCase{"no wrap from 60 to 61", 2, {yes(60), no(61), yes(70)}},
        RuleCase{"no wrap from 61 to 60", 2, {yes(61), no(60), yes(71)}},
        RuleCase{"rightwards only beyond the end laid last",
                 4,
                 {yes(45), yes(46), no(44), no(56), yes(47), no(44), no(49), yes(48)}},
        RuleCase{"downwards", 4, {yes(23), yes(33), no(13), no(34), yes(43), yes(53)}},
        RuleCase{"leftwards", 4, {yes(46), yes(45), no(47), yes(44), yes(43)}},
        RuleCase{"upwards", 3, {yes(75), yes(65), no(85), yes(55), no(45)}},
        RuleCase{"no wrap from 71 to 70", 3, {yes(72), yes(71), no(70), no(73), no(81)}},
        RuleCase{"no wrap from 60 to 61 later on", 4, {yes(58), yes(59), yes(60), no(61)}}),
    support::NameFromWhat{});

// Ships whose continuation runs off the grid, across a row end or back over their first
// segment: no cell completes them.
struct StuckCase {
    const char* what;
    std::vector<int> laid;
    int length;
};

void PrintTo(const StuckCase& c, std::ostream* os) {
    *os << c.what;
}

class StuckShipTest : public PlacementTest, public ::testing::WithParamInterface<StuckCase> {};

TEST_P(StuckShipTest, NoCellCompletesTheShip) {
    const StuckCase& c = GetParam();
    choose(c.length);
    for (int cell : c.laid)
        click(cell);
    ASSERT_EQ(f1().txtUtschot.number(), c.length - static_cast<int>(c.laid.size()));
    std::vector<int> laid = c.laid;
    for (int n = 1; n <= 100; ++n)
        expectClick(n, false, c.length, laid);
}

INSTANTIATE_TEST_SUITE_P(Cases, StuckShipTest,
                         ::testing::Values(StuckCase{"Фрегат 9, 10", {9, 10}, 3},
                                           StuckCase{"Линкор 81, 91", {81, 91}, 4},
                                           StuckCase{"Линкор 58, 59, 60", {58, 59, 60}, 4},
                                           StuckCase{"Фрегат 14, 4", {14, 4}, 3}),
                         support::NameFromWhat{});

TEST_F(WaitingScreenTest, CellsRefuseClicksUntilPlacementStarts) {
    // The type pictures are hidden now; choosing from code isolates the armed-grid check.
    choose(4);
    ASSERT_EQ(f1().txtUtschot.text(), "4");
    const Snapshot before = snapshot();
    for (int n = 1; n <= 100; ++n)
        click(n);
    expectSame(before, snapshot());
}

TEST_F(PlacementTest, CellsRefuseClicksUntilATypeIsChosen) {
    const Snapshot before = snapshot();
    for (int n = 1; n <= 100; ++n)
        click(n);
    expectSame(before, snapshot());
}

TEST_F(PlacementTest, EveryCellTakesAFirstSegment) {
    for (int n = 1; n <= 100; ++n) {
        choose(4);
        std::vector<int> laid;
        expectClick(n, true, 4, laid);
        f1().cmdOtmena.click();
    }
}

TEST_F(PlacementTest, RedCellsAndSegmentsRefuseEverySegment) {
    choose(1);
    click(48);
    choose(4);  // 37, 38, 39, 47, 49, 57, 58 and 59 turn red
    std::vector<int> laid;
    expectClick(47, false, 4, laid);  // red, as a first segment
    expectClick(48, false, 4, laid);  // an earlier ship's segment
    expectClick(36, true, 4, laid);
    expectClick(37, false, 4, laid);  // red, as a second segment
    expectClick(36, false, 4, laid);  // this ship's own segment
    expectClick(35, true, 4, laid);
    expectClick(34, true, 4, laid);
    expectClick(33, true, 4, laid);

    f1().cmdOtmena.click();
    choose(4);
    laid.clear();
    for (int n : {44, 45, 46})
        expectClick(n, true, 4, laid);
    expectClick(47, false, 4, laid);  // red, although it would continue the ship
}

// The segment count is bounded by the four slots of TekKorabl even if the cells-left field
// claims more (the player cannot type into it, but nothing here may trust that).
TEST_F(PlacementTest, AShipNeverTakesMoreThanFourSegments) {
    choose(4);
    f1().txtUtschot.setText("9");
    for (int n : {45, 46, 47, 48})
        click(n);
    ASSERT_EQ(m().SchetDoli, 4);
    std::vector<int> laid = {45, 46, 47, 48};
    expectClick(49, false, 4, laid);
    EXPECT_EQ(m().TekKorabl, (std::array<int, 5>{0, 45, 46, 47, 48}));

    f1().cmdOtmena.click();
    EXPECT_TRUE(occupiedCells().empty());
    EXPECT_TRUE(segmentCells().empty());
}

TEST_F(PlacementTest, AWholeFleetLaidByClicksIsTheFleetRecord) {
    const support::Fleet& fleet = support::kSampleFleet;
    for (std::size_t i = 0; i + 1 < fleet.size(); ++i)
        support::layShip(f1(), fleet[i]);
    choose(1);
    // The stock falls at the choice: the tenth ship is still to lay with every stock empty.
    for (ui::TextBox* stock : {&f1().txtLyger, &f1().txtGaleon, &f1().txtFregat, &f1().txtLinkor}) {
        EXPECT_EQ(stock->text(), "0") << stock->name();
    }
    EXPECT_EQ(f1().txtUtschot.text(), "1");
    click(fleet.back().front());
    EXPECT_EQ(f1().txtUtschot.text(), "0");

    game::Module1 expected;
    support::setPlayerFleet(expected, fleet);
    EXPECT_EQ(m().PoleIgroka, expected.PoleIgroka);
    EXPECT_EQ(m().KorablKletki, expected.KorablKletki);
    EXPECT_EQ(segmentCells(), occupiedCells());
    EXPECT_EQ(occupiedCells().size(), 20u);
}

}  // namespace
}  // namespace placement_test
