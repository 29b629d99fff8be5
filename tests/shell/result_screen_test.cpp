// The result screen, reached as the end of a battle reaches it: Itog set, Form3 shown.
#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace {

using support::GameTest;

class ResultTest : public GameTest {
protected:
    void finishWith(int itog) {
        m().Itog = itog;
        f3().show();
    }
};

TEST_F(ResultTest, ShowsOnlyThePictureAndCaptionOfTheOutcomeInEitherOrder) {
    game.start();
    for (int itog : {2, 1, 2}) {
        finishWith(itog);
        EXPECT_EQ(f3().Image1.visible(), itog == 2);
        EXPECT_EQ(f3().Image2.visible(), itog == 1);
        EXPECT_EQ(f3().Label1.caption(), itog == 1 ? "Вы выиграли!" : "Вы проиграли!");
        f3().Command1.click();
        EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f4()}));
        EXPECT_EQ(m().Itog, itog) << "nothing is reset until the welcome label";
    }
}

TEST_F(ResultTest, AnOutcomeOfNeitherHidesBothAndKeepsTheCaption) {
    game.start();
    finishWith(0);
    EXPECT_FALSE(f3().Image1.visible());
    EXPECT_FALSE(f3().Image2.visible());
    EXPECT_EQ(f3().Label1.caption(), "Вы проиграли!");
}

TEST_F(ResultTest, PlayAgainShowsTheWelcomeBeforeHidingAndExitEndsAtOnce) {
    game.start();
    finishWith(1);
    f4().hide();
    bool resultUpWhenWelcomeShown = false;
    f4().setActivateHandler([&] { resultUpWhenWelcomeShown = f3().visible(); });
    f3().Command1.click();
    EXPECT_TRUE(resultUpWhenWelcomeShown) << "at no moment is neither screen shown";
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f4()}));
    finishWith(2);
    f3().Command2.click();
    EXPECT_TRUE(app.ended());
    EXPECT_EQ(platform.endCalls, 1);
    EXPECT_TRUE(platform.questions.empty()) << "no confirmation for Выход";
}

TEST_F(ResultTest, PulseRunsFromTheFirstShowing) {
    game.start();
    finishWith(1);
    advance(20);
    EXPECT_EQ(f3().Label1.foreColour(), ui::rgb(246, 180, 130));
    f3().Command1.click();
    advance(200);
    EXPECT_EQ(f3().FazaTsveta, 110) << "ticks on while hidden";
}

}  // namespace
