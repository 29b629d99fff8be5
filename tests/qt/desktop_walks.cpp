#include "desktop_walks.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/game_fixture.h"
#include "support/placement_clicks.h"

namespace qtsupport {

DesktopGame::DesktopGame(Desktop& d) : desktop(d), v(random, platform), g(v.game) {
    random.freeRun();  // the computer's fleet as the program draws it
}

QWidget& DesktopGame::window() {
    std::vector<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) shown.push_back(w);
    }
    if (shown.size() != 1) {
        throw std::logic_error(std::to_string(shown.size()) + " windows on the desktop");
    }
    return *shown.front();
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

namespace {

// Where a frame goes on one axis: where it was meant to be if it fits there; else against the
// edge of the area it crossed, the least move; a frame larger than the area at its start.
int leastMove(int start, int size, int areaStart, int areaSize) {
    if (size > areaSize) return areaStart;
    if (start < areaStart) return areaStart;
    if (start + size > areaStart + areaSize) return areaStart + areaSize - size;
    return start;
}

// The window's frame once it has stopped moving: a program may move its window just after it
// came up, and the window manager takes its time to follow.
QRect settledFrame(Desktop& desktop, QWidget& window) {
    QRect last = desktop.frame(window);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        QTest::qWait(200);
        const QRect now = desktop.frame(window);
        if (now == last) break;
        last = now;
    }
    return last;
}

}  // namespace

void opensWhollyOnTheScreen(Desktop& desktop, std::optional<bool> designFits) {
    if (!desktop.placesWindows()) GTEST_SKIP() << "the desktop places the windows";
    DesktopGame game(desktop);
    ASSERT_NO_FATAL_FAILURE(game.start());
    QWidget& window = DesktopGame::window();
    ASSERT_EQ(desktop.offScreenFault(window), "");
    const QRect area = desktop.freeArea();
    const QRect frame = settledFrame(desktop, window);
    EXPECT_TRUE(area.contains(frame)) << "the frame, " << testing::PrintToString(frame)
                                      << ", is not inside " << testing::PrintToString(area);
    // The client area at the design position 3375, 3285 twips, the frame around it.
    const QRect client = window.geometry();
    const QRect design =
        QRect(QPoint(225, 219), client.size())
            .adjusted(frame.left() - client.left(), frame.top() - client.top(),
                      frame.right() - client.right(), frame.bottom() - client.bottom());
    if (designFits) {
        ASSERT_EQ(area.contains(design), *designFits)
            << "the design frame " << testing::PrintToString(design) << " in "
            << testing::PrintToString(area);
    }
    if (area.contains(design)) {
        EXPECT_EQ(client.topLeft(), QPoint(225, 219)) << "the design position";
    } else {
        const QPoint least(leastMove(design.left(), design.width(), area.left(), area.width()),
                           leastMove(design.top(), design.height(), area.top(), area.height()));
        EXPECT_EQ(frame.topLeft(), least) << "moved the least distance onto the screen";
    }
}

void minimisedBattleComesBack(Desktop& desktop) {
    if (!desktop.restoresMinimised()) GTEST_SKIP() << "no program can bring back its window";
    DesktopGame game(desktop);
    game::Game& g = game.g;
    ASSERT_NO_FATAL_FAILURE(game.start());
    QWidget& window = DesktopGame::window();
    desktop.watch(window);
    ASSERT_NO_FATAL_FAILURE(game.toPlacement());
    ASSERT_NO_FATAL_FAILURE(game.toBattle());
    ASSERT_NO_FATAL_FAILURE(game.playerMisses());
    desktop.minimise(window);
    ASSERT_NO_FATAL_FAILURE(game.computerHitsLast());
    const auto onScreen = [&](const char* screen) {
        SCOPED_TRACE(screen);
        EXPECT_EQ(&DesktopGame::window(), &window) << "the screen came in another window";
        EXPECT_EQ(desktop.offScreenFault(window), "");
        EXPECT_EQ(desktop.gaps(), "");
    };
    onScreen("the result screen");
    ASSERT_NO_FATAL_FAILURE(game.playAgain());
    onScreen("the welcome screen");
    ASSERT_NO_FATAL_FAILURE(game.toPlacement());
    onScreen("the placement screen");
    ASSERT_NO_FATAL_FAILURE(game.toBattle());
    onScreen("the next battle");
    EXPECT_EQ(game.shownForm(), &g.form2());
}

void everyScreenComesBackOnScreen(Desktop& desktop) {
    if (!desktop.restoresMinimised()) GTEST_SKIP() << "no program can bring back its window";
    DesktopGame game(desktop);
    game::Game& g = game.g;
    // Each screen in turn, reached the way the player reaches it, is minimised, then hidden
    // and shown again by the game.
    const auto again = [&](ui::Form& f) {
        SCOPED_TRACE(f.name());
        QWidget& window = DesktopGame::window();
        desktop.minimise(window);
        f.hide();
        f.show();
        EXPECT_EQ(&DesktopGame::window(), &window) << "the screen came in another window";
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

void oneWindowAllTheWay(Desktop& desktop) {
    DesktopGame game(desktop);
    ASSERT_NO_FATAL_FAILURE(game.start());
    QWidget& window = DesktopGame::window();
    desktop.watch(window);

    struct Step {
        const char* road;
        void (DesktopGame::*go)();
        std::optional<QPoint> movedTo;  // where the player then moves the window
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
    if (desktop.placesWindows()) desktop.moveFrame(window, last);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.road);
        ASSERT_NO_FATAL_FAILURE((game.*step.go)());
        EXPECT_EQ(&DesktopGame::window(), &window) << "the screen came in another window";
        EXPECT_EQ(desktop.offScreenFault(window), "");
        EXPECT_EQ(desktop.gaps(), "") << "the window left the desktop";
        if (!desktop.placesWindows()) continue;
        EXPECT_EQ(desktop.frame(window).topLeft(), last);
        if (step.movedTo) {
            last = *step.movedTo;
            desktop.moveFrame(window, last);
        }
    }
}

}  // namespace qtsupport
