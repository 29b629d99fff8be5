// A fleet that breaks the laying rules (the placement never hands one over) must not freeze the
// computer's move: a hunt with nothing left along its line is given up for the search, and a
// grid with nothing left to shoot passes the move without a shot. Neither check takes a number.
#include <gtest/gtest.h>

#include "support/case_name.h"
#include "turn_fixture.h"

namespace {

using namespace turn;

class BrokenFleet : public TurnTest {};

// A Галеон across a row end, on 10 and 11: from 10 the hunt can reach only 9 and 20.
TEST_F(BrokenFleet, AHuntWithNothingLeftSearchesAtRandomInstead) {
    battle({{10, 11}});
    shoot({cellDraw(10)});
    shoot({dirDraw(0), dirDraw(1)});  // 11 never: 10 ends its row; 20 a miss
    computerMoves();
    shoot({dirDraw(2)});  // 9, a miss
    computerMoves();
    EXPECT_EQ(f2().Text2.text(), "1");

    shoot({cellDraw(11)});  // the line is spent: no draw for a direction, the search runs
    EXPECT_EQ(cell(11), 'X');
    EXPECT_EQ(f2().txtPom.text(), "11");
    EXPECT_EQ(f2().Text2.text(), "1") << "a new hunt from the new hit";
    EXPECT_EQ(f2().txtVr.text(), "2");
    EXPECT_TRUE(mask().empty()) << "a hunt given up commits nothing";
}

TEST_F(BrokenFleet, NothingLeftToShootPassesTheMoveWithoutAShot) {
    battle({{55}});
    for (int k = 1; k <= 100; ++k)
        k == 55 ? showHit(k) : showMiss(k);
    f2().txtVr.setText("1");
    f2().LabelL.setCaption("Задет вражеский ЛЮГЕР");
    const std::string before = grid();
    shoot({});
    EXPECT_EQ(grid(), before);
    EXPECT_EQ(f2().txtHodu.text(), "1");
    EXPECT_EQ(f2().txtVr.text(), "1");
    EXPECT_TRUE(pictureArea().empty());
    EXPECT_EQ(m().Itog, 0);
}

// Fleets of every broken kind, played by the computer alone on free-running numbers: every
// move ends, each shot changes one cell, and the computer either wins or, with nothing left to
// shoot, passes without a shot.
struct BrokenCase {
    const char* what;
    support::Fleet fleet;
};

class BrokenFleetGame : public TurnTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenFleetGame, EndsInAWinOrAPass) {
    random.freeRun();
    battle(GetParam().fleet);
    for (int move = 1; move <= 101; ++move) {
        const std::string before = grid();
        f2().Command1.press();
        if (m().Itog == 2) return;
        const int changed = changedSince(before);
        if (changed == 0) {
            EXPECT_EQ(f2().txtHodu.text(), "1") << "a pass hands the move back";
            return;
        }
        EXPECT_EQ(changed, 1);
        computerMoves();
    }
    ADD_FAILURE() << "more moves than cells";
}

INSTANTIATE_TEST_SUITE_P(
    Fleets, BrokenFleetGame,
    ::testing::Values(BrokenCase{"ships across row ends", {{10, 11}, {30, 31, 32}, {70}}},
                      BrokenCase{"touching ships", {{1, 2}, {3, 4}, {12}}},
                      BrokenCase{"a ship of five cells", {{45, 46, 47, 48, 49}}}),
    support::NameFromWhat{});

}  // namespace
