// Start-up, the welcome screen and its pulse, the new-game reset on the label's click.
#include <gtest/gtest.h>

#include "shell/pulse.h"
#include "support/game_fixture.h"

namespace {

using support::GameTest;

TEST_F(GameTest, StartUpShowsOnlyTheWelcomeScreenWithThePlacementFormCounting) {
    game.start();
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f4()}));
    EXPECT_TRUE(f1().loaded());
    EXPECT_FALSE(f2().loaded());
    EXPECT_FALSE(f3().loaded());
    EXPECT_EQ(f4().caption(), "Бурунцы: волноборье");
    EXPECT_EQ(f4().clientWidth(), 11880);
    EXPECT_EQ(f4().clientHeight(), 8985);
    advance(90);
    EXPECT_EQ(m().SchetTaimera, 3) << "the placement form's 30 ms timer runs from start-up";
}

TEST_F(GameTest, WelcomeLabelPulsesOneStepPerTick) {
    game.start();
    EXPECT_FALSE(f4().Label1.foreColour().has_value());
    advance(50);
    EXPECT_EQ(f4().Label1.foreColour(), ui::rgb(236, 17, 0));
    // A full cycle is 26 ticks: phases 20 .. 500, then 0.
    std::vector<int> reds;
    for (int i = 0; i < 26; ++i) {
        advance(50);
        reds.push_back(ui::redOf(*f4().Label1.foreColour()));
    }
    EXPECT_EQ(f4().FazaTsveta, 20);
    EXPECT_EQ(reds[11], 4) << "phase 260";
    EXPECT_EQ(reds[24], 255) << "phase 0 gives 256, shown as 255";
    EXPECT_EQ(reds[23], 244);
}

TEST(PulseTest, ColoursOfBothRows) {
    EXPECT_EQ(game::pulseColour(0, game::kWelcomePulse), ui::rgb(255, 17, 0));
    EXPECT_EQ(game::pulseColour(260, game::kWelcomePulse), ui::rgb(4, 17, 0));
    EXPECT_EQ(game::pulseColour(10, game::kResultPulse), ui::rgb(246, 180, 130));
    EXPECT_EQ(game::pulseColour(510, game::kResultPulse), ui::rgb(254, 180, 130));
    ui::ManualClock clock;
    support::TestRandom random;
    support::ScriptedPlatform platform;
    ui::Application app(clock, random, platform);
    ui::Form form(app, "F");
    ui::Label label(form, "Label1");
    int phase = 500;
    game::pulseStep(label, phase, game::kResultPulse);
    EXPECT_EQ(phase, 510) << "510 is held for one tick";
    game::pulseStep(label, phase, game::kResultPulse);
    EXPECT_EQ(phase, 0);
}

TEST_F(GameTest, LabelClickResetsTheRecordAndSwapsScreensWithoutAGap) {
    game.start();
    advance(300);
    m().Itog = 2;
    m().PoleIgroka[5] = 5;
    m().FlotVraga[20] = 99;
    bool placementShownFirst = false;
    f1().setActivateHandler([&] { placementShownFirst = f4().visible(); });
    f4().Label1.click();
    EXPECT_TRUE(placementShownFirst) << "the placement screen is up before the welcome goes";
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f1()}));
    EXPECT_EQ(m().Itog, 0);
    EXPECT_EQ(m().PoleIgroka[5], 0);
    EXPECT_EQ(m().FlotVraga[20], 0);
    EXPECT_EQ(m().SchetTaimera, 0);
    advance(30);
    EXPECT_EQ(m().SchetTaimera, 1);
    // The welcome screen keeps pulsing while hidden.
    const int phase = f4().FazaTsveta;
    advance(50);
    EXPECT_NE(f4().FazaTsveta, phase);
}

TEST_F(GameTest, WarmUpCounterCyclesFromTwo) {
    startNewGame();
    advance(30 * 30);
    EXPECT_EQ(m().SchetTaimera, 30);
    advance(30);
    EXPECT_EQ(m().SchetTaimera, 2);
    advance(29 * 30);
    EXPECT_EQ(m().SchetTaimera, 2);
}

}  // namespace
