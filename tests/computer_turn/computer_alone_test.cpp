// The computer plays a legal fleet to the end on free-running numbers, many times over: every
// shot changes one cell and every state stays consistent until the twentieth hit loses the
// battle.
#include <gtest/gtest.h>

#include <algorithm>

#include "turn_fixture.h"

namespace {

using namespace turn;

class ComputerAlone : public TurnTest, public ::testing::WithParamInterface<int> {
protected:
    // The invariants of the hunt over a legal fleet, after any shot.
    void expectConsistent() {
        int hits = 0;
        for (int k = 1; k <= 100; ++k) {
            const bool ship = m().PoleIgroka[k] == k;
            if (cell(k) == 'X') ++hits;
            if (cell(k) != '.') {
                EXPECT_EQ(cell(k) == 'X', ship) << k;
            }
            if (ship && cell(k) == '.') {
                EXPECT_NE(m().ZapretKomp[k], k) << "unhit ship cell masked";
            }
        }
        EXPECT_EQ(f2().txtVr.number(), hits);
        EXPECT_LE(f2().Text2.number(), f2().Text1.number());
        EXPECT_EQ(pictureArea().size(), 1u);
    }
};

TEST_P(ComputerAlone, SinksTheWholeFleetAndLosesTheBattleAtTheTwentiethHit) {
    random.freeRun();
    for (int i = 0; i < GetParam(); ++i)
        random.next();  // another stretch of the sequence
    battle(support::kSampleFleet);
    std::string atDefeat;
    f2().CommandVse.setClickHandler([&] {
        atDefeat = grid();
        f2().CommandVse_Click();
    });
    int shots = 0;
    while (m().Itog == 0 && shots < 100) {
        const std::string before = grid();
        f2().Command1.press();
        ++shots;
        if (m().Itog != 0) break;
        ASSERT_EQ(changedSince(before), 1) << "shot " << shots;
        expectConsistent();
        if (f2().txtHodu.text() == "1") computerMoves();
    }
    EXPECT_EQ(m().Itog, 2);
    EXPECT_EQ(std::count(atDefeat.begin(), atDefeat.end(), 'X'), 20);
}

INSTANTIATE_TEST_SUITE_P(Sequences, ComputerAlone, ::testing::Range(0, 200, 10),
                         ::testing::PrintToStringParamName());

}  // namespace
