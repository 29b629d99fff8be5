// The warm-up counter: 1 .. 30 after each new-game reset, then 2 .. 30 over and over, ticking
// whether the placement screen is shown or not.
#include <gtest/gtest.h>

#include <vector>

#include "support/game_fixture.h"

namespace {

using support::GameTest;

TEST_F(GameTest, WarmUpCounterRunsOneToThirtyThenCyclesTwoToThirty) {
    game.start();
    advance(30 * 40);
    EXPECT_EQ(m().SchetTaimera, 11) << "counting from start-up with the placement form hidden";

    f4().Label1.click();
    std::vector<int> expected;
    for (int v = 1; v <= 30; ++v)
        expected.push_back(v);
    for (int v = 2; v <= 30; ++v)
        expected.push_back(v);
    expected.push_back(2);
    std::vector<int> seen;
    for (std::size_t tick = 0; tick < expected.size(); ++tick) {
        if (tick == 35) f1().hide();
        advance(30);
        seen.push_back(m().SchetTaimera);
    }
    EXPECT_EQ(seen, expected);

    f4().Label1.click();
    EXPECT_EQ(m().SchetTaimera, 0);
    advance(30);
    EXPECT_EQ(m().SchetTaimera, 1) << "every game has its own first cycle";
}

}  // namespace
