// The move hand-over and the computer's pace. The battle screen is shown at 0 ms, so the poll
// ticks at every whole 100 ms.
#include <gtest/gtest.h>

#include <vector>

#include "battle_fixture.h"

namespace {

using battle_test::BattleTest;
using battle_test::kMissCells;
using Times = std::vector<ui::Millis>;

TEST_F(BattleTest, MoveFieldDecidesTheMoveByExactText) {
    startBattle();
    struct Case {
        const char* text;
        int hodComp;
        const char* caption;
    };
    const Case cases[] = {{"2", 1, "Ходит компьютер:"}, {"1", 0, "Ваш ход:"},
                          {"1", 0, "Ваш ход:"},         {"2", 1, "Ходит компьютер:"},
                          {"2", 1, "Ходит компьютер:"}, {" 2", 0, "Ваш ход:"},
                          {"02", 0, "Ваш ход:"},        {"", 0, "Ваш ход:"}};
    for (const Case& c : cases) {
        f2().txtHodu.setText(c.text);
        EXPECT_EQ(m().HodComp, c.hodComp) << '"' << c.text << '"';
        EXPECT_EQ(f2().LabelComp.caption(), c.caption) << '"' << c.text << '"';
    }
}

TEST_F(BattleTest, FirstComputerShotComesAtThePollAfterTheMissPlusTheClock) {
    computerMissesEveryShot();
    startBattle();
    advance(10000);
    EXPECT_TRUE(presses.empty()) << "no computer shot until the player misses";
    struct Case {
        ui::Millis afterPoll;  // when the player misses, after the latest poll tick
        ui::Millis delay;      // from the miss to the computer's shot
    };
    const Case cases[] = {{0, 3100}, {1, 3099}, {50, 3050}, {99, 3001}};
    int next = 0;
    for (const Case& c : cases) {
        advance((100 - clock.now() % 100) % 100 + c.afterPoll);
        const ui::Millis missAt = clock.now();
        presses.clear();
        shoot(kMissCells[next++]);
        EXPECT_EQ(f2().LabelComp.caption(), "Ходит компьютер:");
        advance(3200);
        EXPECT_EQ(presses, (Times{missAt + c.delay})) << c.afterPoll;
        EXPECT_EQ(f2().LabelComp.caption(), "Ваш ход:");
        advance(3000);
        EXPECT_EQ(f2().Timer1.interval(), 0) << "the tick after the computer's miss stops it";
        EXPECT_EQ(presses.size(), 1u);
    }
}

TEST_F(BattleTest, ComputerKeepingTheMoveShootsEveryThreeSeconds) {
    startBattle();
    advance(30);
    shoot(kMissCells[0]);
    advance(12100 - 30);
    EXPECT_EQ(presses, (Times{3100, 6100, 9100, 12100}))
        << "the poll setting the same period every 100 ms delays nothing";
    EXPECT_EQ(f2().Timer1.interval(), 3000);
}

TEST_F(BattleTest, QuickSecondMissIsAnsweredAtThePendingTick) {
    computerMissesEveryShot();
    startBattle();
    shoot(kMissCells[0]);
    advance(3100);
    ASSERT_EQ(presses, (Times{3100}));
    struct Case {
        ui::Millis wait;  // from the computer's miss to the player's
        int hitFirst;     // a hit of the player before the miss, 0 for none
    };
    const Case cases[] = {{1, 0}, {5, 1}, {1500, 0}, {2999, 2}};
    int next = 1;
    for (const Case& c : cases) {
        const ui::Millis computerMissAt = presses.back();
        advance(computerMissAt + c.wait - clock.now());
        if (c.hitFirst != 0) shoot(c.hitFirst);
        shoot(kMissCells[next++]);
        advance(computerMissAt + 3000 - clock.now());
        EXPECT_EQ(presses.back(), computerMissAt + 3000) << c.wait;
    }
}

TEST_F(BattleTest, ClockStopsItselfAndStartsAfreshAtTheNextMiss) {
    computerMissesEveryShot();
    startBattle();
    shoot(kMissCells[0]);
    advance(3100);  // the computer misses at 3100
    advance(10);
    shoot(1);  // a hit of the player changes nothing for the clock
    advance(2990);
    EXPECT_EQ(presses, (Times{3100}));
    EXPECT_EQ(f2().Timer1.interval(), 0);
    EXPECT_EQ(m().HodComp, 0);

    advance(1467);  // 7567
    shoot(kMissCells[1]);
    advance(3200);
    EXPECT_EQ(presses, (Times{3100, 10600})) << "poll at 7600, then the full period";
}

TEST_F(BattleTest, ComputersTwentiethHitEndsTheBattleAndNoShotFollows) {
    int shots = 0;
    computerShot = [&] {
        if (++shots < 3) return;
        m().Itog = 2;
        f2().CommandVse.press();
    };
    startBattle();
    shoot(kMissCells[0]);
    advance(9100);
    EXPECT_EQ(presses, (Times{3100, 6100, 9100}));
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f3()}));
    EXPECT_EQ(f3().Label1.caption(), "Вы проиграли!");
    EXPECT_EQ(m().HodComp, 0);
    advance(3000);
    EXPECT_EQ(f2().Timer1.interval(), 0);
    advance(30000);
    EXPECT_EQ(presses.size(), 3u);
}

}  // namespace
