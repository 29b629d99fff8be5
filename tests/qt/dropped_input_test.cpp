// Inputs that reach the view when they can no longer apply are dropped. One comes while a tick
// is due: the tick runs first, and when it has taken the input's screen away the input is
// dropped. The tick that matters is the computer's twentieth hit, which ends the battle under
// the player's hand. Another comes while the exit question is open (Qt's test events, like any
// event sent straight to a widget, pass by the question box's modality): no handler may run
// nested in the one that asks.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "manual_view.h"
#include "support/game_fixture.h"
#include "support/screen_state.h"

namespace {

// A battle in real windows on the manual clock, the player to move, the clock at 0.
struct Battle {
    support::TestRandom random;
    support::ScriptedPlatform platform;
    qtsupport::ManualView v{random, platform};
    game::Game& g = v.game;
    game::Form2& f2 = g.form2();

    Battle() {
        g.start();
        v.click(g.form4().Label1);
        support::openSampleBattle(g);
    }

    std::vector<const ui::Form*> shown() {
        const std::vector<ui::Form*> forms = support::visibleForms(g);
        return {forms.begin(), forms.end()};
    }
};

// The computer one hit from winning, its shot due and not yet run.
struct BattleOnTheBrink : Battle {
    BattleOnTheBrink() {
        v.toTheComputersLastShot(random);
        v.setClock(*f2.Timer1.due());
    }
};

ui::Control& waterCell(game::Form2& f) {
    return f.Picture(100 + 55);
}
ui::Control& shipCell(game::Form2& f) {
    return f.Picture(100 + 1);
}
ui::Control& leave(game::Form2& f) {
    return f.CommandExit;
}

TEST(DroppedInputTest, AnInputOnTheBattleScreenThatTheComputersLastShotEndsIsDropped) {
    struct Case {
        const char* what;
        ui::Control& (*control)(game::Form2&);  // clicked; nullptr: the window's close box
        ui::Answer answer;                      // to the exit question, should it be asked
    };
    const Case cases[] = {
        {"a computer cell of water", waterCell, ui::Answer::No},
        {"a computer cell of a ship", shipCell, ui::Answer::No},
        {"\"Покинуть игру\", then Yes", leave, ui::Answer::Yes},
        {"\"Покинуть игру\", then No", leave, ui::Answer::No},
        {"the close box", nullptr, ui::Answer::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // One after the other: both views wake in the one event loop.
        BattleOnTheBrink clicked;
        clicked.platform.answers = {c.answer};
        if (c.control != nullptr) {
            ASSERT_TRUE(clicked.v.click(c.control(clicked.f2)));
        } else {
            clicked.v.window().close();
        }
        BattleOnTheBrink untouched;
        untouched.v.runDueTicks();

        ASSERT_EQ(untouched.shown(), std::vector<const ui::Form*>{&untouched.g.form3()})
            << "the shot alone ends the battle";
        EXPECT_EQ(clicked.shown(), std::vector<const ui::Form*>{&clicked.g.form3()});
        EXPECT_TRUE(clicked.v.onScreen(clicked.g.form3()));
        EXPECT_FALSE(clicked.v.onScreen(clicked.f2));
        EXPECT_FALSE(clicked.v.app.ended());
        EXPECT_TRUE(clicked.platform.questions.empty()) << "asked from a hidden screen";
        EXPECT_EQ(
            support::ScreenState(clicked.f2).differenceFrom(support::ScreenState(untouched.f2)), "")
            << "the input changed the hidden battle screen";
        EXPECT_TRUE(support::sameRecord(clicked.g.module1(), untouched.g.module1()))
            << "the input changed the record";
    }
}

TEST(DroppedInputTest, InputsWhileTheExitQuestionIsOpenAreDropped) {
    Battle b;
    bool asked = false;
    b.platform.answers = {ui::Answer::No};
    b.platform.whileOpen = [&] {
        if (asked) return;  // a question asked from inside the question: counted below
        asked = true;
        const support::ScreenState screen(b.f2);
        const game::Module1 record = b.g.module1();
        for (auto* control : {shipCell, waterCell, leave})
            b.v.click(control(b.f2));
        b.v.window().close();
        EXPECT_EQ(screen.changeIn(b.f2), "");
        EXPECT_TRUE(support::sameRecord(b.g.module1(), record));
        EXPECT_FALSE(b.v.app.ended());
    };
    ASSERT_TRUE(b.v.click(b.f2.CommandExit));
    EXPECT_TRUE(asked);
    EXPECT_EQ(b.platform.questions.size(), 1u) << "asked again from inside the question";
    EXPECT_EQ(b.shown(), std::vector<const ui::Form*>{&b.f2}) << "No: the battle goes on";
    EXPECT_TRUE(b.v.onScreen(b.f2));
}

}  // namespace
