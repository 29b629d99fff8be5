// The hunt along the line of the first hit: which candidates each hunt state refuses, and how a
// refused candidate is drawn again in the same state. Every case starts from the hunt state
// the earlier hits left and takes exactly the numbers listed.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/case_name.h"
#include "turn_fixture.h"

namespace {

using namespace turn;

struct HuntCase {
    const char* what;
    std::vector<int> ship;
    int state;                // hits scored on the ship so far
    int first;                // txtPom
    int napravlenie;          // kept from the second hit (states 2, 3)
    int storonaTret;          // kept from the third hit (state 3)
    std::vector<int> hits;    // cells already showing the cross
    std::vector<int> misses;  // cells already showing the dot
    std::vector<double> draws;
    int target;
};

class Hunt : public TurnTest, public ::testing::WithParamInterface<HuntCase> {};

TEST_P(Hunt, ShootsTheFirstCandidateThatPassesAndDrawsOnlyTheStatesOwnValue) {
    const HuntCase& c = GetParam();
    battle({c.ship});
    f2().Text2.setNumber(c.state);
    f2().txtPom.setNumber(c.first);
    f2().Text1.setNumber(static_cast<long>(c.ship.size()));
    m().Napravlenie = c.napravlenie;
    m().StoronaTret = c.storonaTret;
    for (int k : c.hits)
        showHit(k);
    for (int k : c.misses)
        showMiss(k);
    std::string expected = grid();
    const bool hit = std::find(c.ship.begin(), c.ship.end(), c.target) != c.ship.end();
    expected[c.target - 1] = hit ? 'X' : 'o';

    shoot(c.draws);

    EXPECT_EQ(grid(), expected);
    EXPECT_EQ(f2().Text2.text(), std::to_string(hit ? c.state + 1 : c.state));
    EXPECT_EQ(f2().txtPom.text(), std::to_string(c.state == 0 ? c.target : c.first));
    EXPECT_EQ(f2().txtHodu.text(), hit ? "2" : "1");
    if (c.state >= 2) {
        EXPECT_EQ(m().Napravlenie, c.napravlenie);
    }
    if (c.state == 3) {
        EXPECT_EQ(m().StoronaTret, c.storonaTret);
    }
}

// A step of +1 from the last cell of a row, or of -1 from the first, is never taken.
INSTANTIATE_TEST_SUITE_P(RowEnds, Hunt,
                         ::testing::Values(HuntCase{"FirstHitOnARowsLastCell",
                                                    {10, 20},
                                                    1,
                                                    10,
                                                    0,
                                                    0,
                                                    {10},
                                                    {},
                                                    {dirDraw(0), dirDraw(3), dirDraw(1)},
                                                    20},
                                           HuntCase{"FirstHitOnARowsLastCellGoesLeft",
                                                    {10, 20},
                                                    1,
                                                    10,
                                                    0,
                                                    0,
                                                    {10},
                                                    {},
                                                    {dirDraw(0), dirDraw(2)},
                                                    9},
                                           HuntCase{"FirstHitOnARowsFirstCell",
                                                    {11, 12},
                                                    1,
                                                    11,
                                                    0,
                                                    0,
                                                    {11},
                                                    {},
                                                    {dirDraw(2), dirDraw(0)},
                                                    12},
                                           HuntCase{"FirstHitOnTheBottomRow",
                                                    {85, 95},
                                                    1,
                                                    95,
                                                    0,
                                                    0,
                                                    {95},
                                                    {},
                                                    {dirDraw(1), dirDraw(3)},
                                                    85},
                                           HuntCase{"SecondHitOnALastCell",
                                                    {18, 19, 20},
                                                    2,
                                                    19,
                                                    0,
                                                    0,
                                                    {19, 20},
                                                    {},
                                                    {sideDraw(0), sideDraw(1)},
                                                    18},
                                           HuntCase{"SecondHitOnAFirstCell",
                                                    {11, 12, 13},
                                                    2,
                                                    12,
                                                    2,
                                                    0,
                                                    {12, 11},
                                                    {},
                                                    {sideDraw(0), sideDraw(1)},
                                                    13},
                                           HuntCase{"FirstHitOnAFirstCellLookingBack",
                                                    {21, 22, 23},
                                                    2,
                                                    21,
                                                    0,
                                                    0,
                                                    {21, 22},
                                                    {},
                                                    {sideDraw(1), sideDraw(0)},
                                                    23},
                                           HuntCase{"FirstHitOnALastCellLookingBack",
                                                    {28, 29, 30},
                                                    2,
                                                    30,
                                                    2,
                                                    0,
                                                    {30, 29},
                                                    {},
                                                    {sideDraw(1), sideDraw(0)},
                                                    28},
                                           HuntCase{"ThirdHitOnALastCell",
                                                    {17, 18, 19, 20},
                                                    3,
                                                    18,
                                                    0,
                                                    0,
                                                    {18, 19, 20},
                                                    {},
                                                    {sideDraw(0), sideDraw(1)},
                                                    17},
                                           HuntCase{"LineEndsOnAFirstCell",
                                                    {21, 22, 23, 24},
                                                    3,
                                                    22,
                                                    0,
                                                    1,
                                                    {21, 22, 23},
                                                    {},
                                                    {sideDraw(0), sideDraw(1)},
                                                    24},
                                           HuntCase{"LineLeftwardEndsOnALastCell",
                                                    {27, 28, 29, 30},
                                                    3,
                                                    29,
                                                    2,
                                                    1,
                                                    {30, 29, 28},
                                                    {},
                                                    {sideDraw(0), sideDraw(1)},
                                                    27},
                                           HuntCase{"ThirdHitOnTheBottomRow",
                                                    {61, 71, 81, 91},
                                                    3,
                                                    71,
                                                    1,
                                                    0,
                                                    {71, 81, 91},
                                                    {},
                                                    {sideDraw(0), sideDraw(1)},
                                                    61}),
                         support::NameFromWhat{});

// A candidate that already shows its outcome is refused, and the same state draws again.
INSTANTIATE_TEST_SUITE_P(
    Refusals, Hunt,
    ::testing::Values(
        HuntCase{"SearchDrawsACellItMissed",
                 {44},
                 0,
                 0,
                 0,
                 0,
                 {},
                 {55},
                 {cellDraw(55), cellDraw(56)},
                 56},
        HuntCase{"SecondShotAtAMissedCell",
                 {55, 56},
                 1,
                 55,
                 0,
                 0,
                 {55},
                 {54},
                 {dirDraw(2), dirDraw(2), dirDraw(0)},
                 56},
        HuntCase{"ThirdShotAtAMissedCell",
                 {54, 55, 56},
                 2,
                 55,
                 0,
                 0,
                 {55, 56},
                 {57},
                 {sideDraw(0), sideDraw(1)},
                 54},
        HuntCase{"FourthShotAtAMissedCell",
                 {25, 35, 45, 55},
                 3,
                 35,
                 1,
                 0,
                 {35, 45, 55},
                 {65},
                 {sideDraw(0), sideDraw(0), sideDraw(1)},
                 25},
        HuntCase{
            "MissAfterARefusal", {55, 56}, 1, 55, 0, 0, {55}, {54}, {dirDraw(2), dirDraw(3)}, 45}),
    support::NameFromWhat{});

class SearchTest : public TurnTest {};

// The fields are empty in the first battle of a run: 0 = 0 commits nothing and the search runs;
// a 0 drawn is noted as the first hit and drawn again.
TEST_F(SearchTest, FirstShotOfARunSearchesAndDrawsAgainAfterAZero) {
    battle(support::kSampleFleet);
    ASSERT_EQ(f2().Text2.text(), "");
    shoot({cellDraw(0), cellDraw(37)});
    EXPECT_EQ(f2().Text2.text(), "0");
    EXPECT_EQ(f2().txtPom.text(), "37");
    EXPECT_EQ(f2().Text1.text(), "0");
    EXPECT_EQ(cell(37), 'o');
    EXPECT_TRUE(mask().empty());
}

// A sunk one-cell ship's cell is out of the mask, so the search may draw it again: the cross
// there refuses it without raising the hunt state or counting a hit.
TEST_F(SearchTest, RedrawsASunkOneCellShip) {
    battle(support::kSampleFleet);
    shoot({cellDraw(43)});
    EXPECT_EQ(f2().Text2.text(), "1");
    EXPECT_EQ(f2().Text1.text(), "1");
    EXPECT_EQ(f2().txtVr.text(), "1");
    shoot({cellDraw(43), cellDraw(44), cellDraw(46)});
    EXPECT_EQ(mask(), (std::set<int>{32, 33, 34, 42, 44, 52, 53, 54}));
    EXPECT_EQ(f2().txtVr.text(), "2") << "one report, for the cell finally shot";
    EXPECT_EQ(f2().Text2.text(), "1");
    EXPECT_EQ(f2().txtPom.text(), "46");
    EXPECT_EQ(f2().LabelL.caption(), "Задет ваш ЛЮГЕР");
}

// A miss in the middle of a hunt keeps the hunt: the next move draws only that state's value.
TEST_F(SearchTest, AMissKeepsTheHuntForTheNextMove) {
    battle(support::kSampleFleet);
    shoot({cellDraw(7)});
    shoot({dirDraw(1)});  // 17: a miss
    EXPECT_EQ(f2().txtHodu.text(), "1");
    EXPECT_EQ(f2().Text2.text(), "1");
    EXPECT_EQ(f2().txtPom.text(), "7");
    EXPECT_EQ(f2().Text1.text(), "3");
    computerMoves();
    shoot({dirDraw(2)});  // 6
    EXPECT_EQ(cell(6), 'X');
    EXPECT_EQ(f2().Text2.text(), "2");
    EXPECT_EQ(m().Napravlenie, 2);
    shoot({sideDraw(1)});  // 8, the ship's far end across the first hit
    EXPECT_EQ(cell(8), 'X');
    EXPECT_EQ(f2().Text2.text(), "3");
    EXPECT_EQ(m().StoronaTret, 1);
    shoot({cellDraw(60)});  // sunk: the ring goes into the mask, the search runs again
    EXPECT_EQ(f2().Text2.text(), "0");
    EXPECT_EQ(mask().count(9), 1u);
}

}  // namespace
