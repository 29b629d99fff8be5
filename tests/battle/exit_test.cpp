// "Покинуть игру" with either answer, the battle reset it shares with the end of battle, and
// the next battle of the run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle_fixture.h"

namespace {

using battle_test::BattleTest;
using battle_test::kMissCells;
using Times = std::vector<ui::Millis>;

// The same fleet mirrored on the main diagonal: legal too, and on other cells.
support::Fleet transposed(const support::Fleet& fleet) {
    support::Fleet out;
    for (const auto& ship : fleet) {
        std::vector<int> cells;
        for (int n : ship)
            cells.push_back(10 * ((n - 1) % 10) + (n - 1) / 10 + 1);
        out.push_back(cells);
    }
    return out;
}

class ExitTest : public BattleTest {
protected:
    // A battle under way in the computer's move: hits on both grids, a message up, the clock
    // armed (computer's shot at 3100, the next due at 6100).
    void battleUnderWay() {
        startBattle(support::kSampleFleet, 3);
        shoot(6);
        shoot(kMissCells[0]);
        f2().Picture(2).setPicture(f2().ImagePopal.picture());  // a computer hit
        f2().LabelL.setCaption("Задет вражеский ФРЕГАТ!");
        advance(4000);
        ASSERT_EQ(presses, (Times{3100}));
    }
    void exitAnswering(ui::Answer a) {
        platform.answers.push_back(a);
        f2().CommandExit.click();
    }
};

TEST_F(ExitTest, NoLeavesEverythingAsItWasAndTheComputerGoesOn) {
    battleUnderWay();
    const auto before = snapshot();
    exitAnswering(ui::Answer::No);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, "Вы уверены, что хотите выйти?");
    EXPECT_EQ(platform.questions[0].title, "Подтверждение выхода");
    EXPECT_EQ(snapshot(), before) << "the box closing is no showing: nothing is redrawn";
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f2()}));
    advance(2100);
    EXPECT_EQ(presses, (Times{3100, 6100}));
}

TEST_F(ExitTest, NoTickWhileTheQuestionIsOpen) {
    battleUnderWay();
    Times pressesWhileOpen;
    platform.whileOpen = [&] {
        advance(10000);  // 14000: the clock fell due at 6100, 9100 and 12100
        pressesWhileOpen = presses;
    };
    exitAnswering(ui::Answer::No);
    EXPECT_EQ(pressesWhileOpen, (Times{3100}));
    EXPECT_EQ(f2().Timer1.interval(), 3000) << "the clock keeps its period";
    advance(4000);
    EXPECT_EQ(presses, (Times{3100, 15100})) << "missed ticks dropped, the rhythm kept";
}

TEST_F(ExitTest, YesResetsAndShowsTheWelcomeScreenWhateverFellDueBehindTheBox) {
    battleUnderWay();
    computerShot = [&] {  // any further computer shot would win the battle
        m().Itog = 2;
        f2().CommandVse.press();
    };
    platform.whileOpen = [&] { advance(10000); };
    exitAnswering(ui::Answer::Yes);

    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f4()}));
    EXPECT_FALSE(f3().loaded()) << "no result for a battle that was left";
    EXPECT_EQ(m().Itog, 0);
    EXPECT_EQ(presses, (Times{3100}));
    expectBattleReset();
    EXPECT_EQ(f2().LabelL.caption(), "Задет вражеский ФРЕГАТ!");
    EXPECT_TRUE(f2().ImageGol.visible());
    EXPECT_EQ(m().VystrelyIgroka[6], 6) << "the record waits for the new-game reset";

    advance(30000);
    EXPECT_EQ(presses, (Times{3100})) << "no computer shot on the hidden screen";
    EXPECT_EQ(f2().Timer1.interval(), 0) << "stopped by its next tick";
}

TEST_F(ExitTest, SecondBattleStartsCleanAndEndsAtItsOwnTwentiethHit) {
    computerMissesEveryShot();
    battleUnderWay();
    exitAnswering(ui::Answer::Yes);

    const support::Fleet fleet = transposed(support::kSampleFleet);
    nextBattle(fleet, 0);
    for (int k = 1; k <= 100; ++k) {
        EXPECT_EQ(f2().Picture(k).picture(),
                  m().PoleIgroka[k] == k ? f2().ImageDola.picture() : ui::Picture())
            << k;
        EXPECT_TRUE(f2().Picture(100 + k).picture().isNull()) << 100 + k;
    }
    EXPECT_TRUE(f2().Picture(2).picture().isNull()) << "the last battle's ship and hit are gone";
    EXPECT_EQ(f2().LabelL.caption(), "");
    EXPECT_EQ(f2().LabelComp.caption(), "Ваш ход:");
    EXPECT_TRUE(f2().ImageAng.visible());
    EXPECT_FALSE(f2().ImageGol.visible());
    EXPECT_EQ(areaShown(), std::vector<bool>(5, false));

    int hits = 0;
    for (const auto& ship : support::kSampleFleet) {
        for (int cell : ship) {
            EXPECT_TRUE(f2().visible()) << "not over before the twentieth hit";
            shoot(cell);
            ++hits;
            if (hits < 20) {
                EXPECT_EQ(f2().txtJa.text(), std::to_string(hits));
            }
        }
    }
    EXPECT_EQ(m().Itog, 1);
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f3()}));
    EXPECT_TRUE(f3().Image2.visible());
    EXPECT_FALSE(f3().Image1.visible());

    // And a loss after the win: the result screen shows the new outcome.
    int shots = 0;
    computerShot = [&] {
        if (++shots < 2) return;
        m().Itog = 2;
        f2().CommandVse.press();
    };
    nextBattle(support::kSampleFleet, 1);
    shoot(kMissCells[0]);
    advance(6200);
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f3()}));
    EXPECT_EQ(f3().Label1.caption(), "Вы проиграли!");
    EXPECT_TRUE(f3().Image1.visible());
    EXPECT_FALSE(f3().Image2.visible());
}

}  // namespace
