#include <gtest/gtest.h>

#include <stdexcept>

#include "support/game_fixture.h"
#include "ui/random.h"

namespace {

TEST(RandomTest, TheProgramsSourceRepeatsEveryRunAndStaysBelowOne) {
    ui::DefaultRandom first;
    ui::DefaultRandom second;
    for (int i = 0; i < 100000; ++i) {
        const double r = first.next();
        ASSERT_EQ(r, second.next());
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

TEST(RandomTest, WholePartNeverReachesN) {
    support::TestRandom script;
    script.script({0.0, 0.5, 0.99999999999999989, 1.0});
    EXPECT_EQ(ui::wholePartOf(script, 101), 0);
    EXPECT_EQ(ui::wholePartOf(script, 101), 50);
    EXPECT_EQ(ui::wholePartOf(script, 101), 100);
    EXPECT_EQ(ui::wholePartOf(script, 4), 3) << "even a 1.0 cannot draw nation 4";
}

TEST(RandomTest, ScriptsFailLoudlyWhenExhausted) {
    support::TestRandom test;
    test.script({support::pick(7, 101)});
    EXPECT_EQ(ui::wholePartOf(test, 101), 7);
    EXPECT_THROW(test.next(), std::logic_error);
    test.freeRun();
    EXPECT_LT(test.next(), 1.0);
    EXPECT_EQ(test.taken(), 3u);
}

}  // namespace
