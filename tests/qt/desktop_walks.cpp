#include "desktop_walks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

#include "support/game_fixture.h"
#include "support/placement_clicks.h"

namespace qtsupport {

DesktopGame::DesktopGame(Desktop& d) : desktop(d), v(random, platform), g(v.game) {
    random.freeRun();  // the computer's fleet as the program draws it
}

QWidget& DesktopGame::window(const ui::Form& f) {
    QWidget* w = v.window(f);
    if (w == nullptr) throw std::logic_error(f.name() + " has no window yet");
    return *w;
}

const ui::Form* DesktopGame::shownForm() const {
    const std::vector<ui::Form*> shown = support::visibleForms(g);
    return shown.size() == 1 ? shown.front() : nullptr;
}

void DesktopGame::start() {
    g.start();
    ASSERT_EQ(shownForm(), &g.form4());
}

void DesktopGame::toPlacement() {
    ASSERT_TRUE(v.click(g.form4().Label1));
    ASSERT_EQ(shownForm(), &g.form1());
}

void DesktopGame::toBattle() {
    game::Form1& f1 = g.form1();
    ASSERT_TRUE(v.click(f1.CommandRazm));  // "Начать размещение!"
    support::layFleet(f1, support::kSampleFleet);
    ASSERT_TRUE(v.click(f1.cmdStart));  // "Разместить флот врага"
    ASSERT_EQ(shownForm(), &g.form2());
}

void DesktopGame::playerMisses() {
    game::Form2& f2 = g.form2();
    const auto& fleet = g.module1().FlotVraga;
    int water = 1;
    while (std::find(fleet.begin() + 1, fleet.end(), water) != fleet.end())
        ++water;
    ASSERT_TRUE(v.click(f2.Picture(100 + water)));
    ASSERT_EQ(f2.txtHodu.text(), "2") << "the move is the computer's";
}

void DesktopGame::computerHitsLast() {
    g.form2().txtVr.setText("19");            // nineteen of the player's cells hit already
    random.script({support::pick(43, 101)});  // the shot: the Люгер on 43
    v.advance(100 + 3000);                    // the poll arms the shot clock, which fires
    ASSERT_EQ(shownForm(), &g.form3()) << "the computer has won";
}

void DesktopGame::computerWins() {
    ASSERT_NO_FATAL_FAILURE(playerMisses());
    ASSERT_NO_FATAL_FAILURE(computerHitsLast());
}

void DesktopGame::playAgain() {
    ASSERT_TRUE(v.click(g.form3().Command1));
    ASSERT_EQ(shownForm(), &g.form4());
}

void DesktopGame::leaveBattle() {
    platform.answers = {ui::Answer::Yes};
    ASSERT_TRUE(v.click(g.form2().CommandExit));
    ASSERT_EQ(shownForm(), &g.form4());
}

void minimisedBattleComesBack(Desktop& desktop) {
    DesktopGame game(desktop);
    game::Game& g = game.g;
    ASSERT_NO_FATAL_FAILURE(game.start());
    ASSERT_NO_FATAL_FAILURE(game.toPlacement());
    ASSERT_NO_FATAL_FAILURE(game.toBattle());
    ASSERT_NO_FATAL_FAILURE(game.playerMisses());
    desktop.minimise(game.window(g.form2()));
    ASSERT_NO_FATAL_FAILURE(game.computerHitsLast());
    EXPECT_EQ(desktop.offScreenFault(game.window(g.form3())), "") << "the result screen";
    ASSERT_NO_FATAL_FAILURE(game.playAgain());
    EXPECT_EQ(desktop.offScreenFault(game.window(g.form4())), "") << "the welcome screen";
    ASSERT_NO_FATAL_FAILURE(game.toPlacement());
    EXPECT_EQ(desktop.offScreenFault(game.window(g.form1())), "") << "the placement screen";
    ASSERT_NO_FATAL_FAILURE(game.toBattle());
    EXPECT_EQ(desktop.offScreenFault(game.window(g.form2())), "") << "the next battle";
}

void everyScreenComesBackOnScreen(Desktop& desktop) {
    DesktopGame game(desktop);
    game::Game& g = game.g;
    // Each screen in turn, reached the way the player reaches it, is minimised, then hidden
    // and shown again by the game.
    const auto again = [&](ui::Form& f) {
        SCOPED_TRACE(f.name());
        QWidget& window = game.window(f);
        desktop.minimise(window);
        f.hide();
        f.show();
        EXPECT_EQ(desktop.offScreenFault(window), "");
    };
    ASSERT_NO_FATAL_FAILURE(game.start());
    again(g.form4());
    ASSERT_NO_FATAL_FAILURE(game.toPlacement());
    again(g.form1());
    ASSERT_NO_FATAL_FAILURE(game.toBattle());
    again(g.form2());
    ASSERT_NO_FATAL_FAILURE(game.playerMisses());
    ASSERT_NO_FATAL_FAILURE(game.computerHitsLast());
    again(g.form3());
}

void eachScreenOpensWhereTheLastOneWas(Desktop& desktop) {
    DesktopGame game(desktop);
    game::Game& g = game.g;
    ASSERT_NO_FATAL_FAILURE(game.start());
    // The client area of the first screen at the design position 3375, 3285 twips.
    EXPECT_EQ(game.window(g.form4()).geometry().topLeft(), QPoint(225, 219));

    struct Step {
        const char* road;
        void (DesktopGame::*go)();
        std::optional<QPoint> movedTo;  // where the player then moves the screen it led to
    };
    const Step steps[] = {
        {"the welcome label", &DesktopGame::toPlacement, QPoint(300, 200)},
        {"\"Разместить флот врага\"", &DesktopGame::toBattle, QPoint(120, 260)},
        {"the computer's last hit", &DesktopGame::computerWins, QPoint(260, 90)},
        {"\"Играть сначала\"", &DesktopGame::playAgain, std::nullopt},
        {"the welcome label again", &DesktopGame::toPlacement, QPoint(410, 330)},
        {"\"Разместить флот врага\" again", &DesktopGame::toBattle, QPoint(70, 150)},
        {"\"Покинуть игру\"", &DesktopGame::leaveBattle, std::nullopt},
    };
    QPoint last(40, 30);
    desktop.moveFrame(game.window(g.form4()), last);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.road);
        ASSERT_NO_FATAL_FAILURE((game.*step.go)());
        QWidget& shown = game.window(*game.shownForm());
        EXPECT_EQ(desktop.offScreenFault(shown), "");
        EXPECT_EQ(desktop.frameTopLeft(shown), last);
        if (step.movedTo) {
            last = *step.movedTo;
            desktop.moveFrame(shown, last);
        }
    }
}

}  // namespace qtsupport
