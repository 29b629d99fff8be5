// Walks through the screens as a player on a desktop makes them: the window minimised and moved
// aside between the steps of real games. Each walk checks with gtest what the player must see;
// the desktop decides whether that is Qt's offscreen platform, a real window manager or a
// Wayland compositor. desktop_walk_tests.h makes them tests.
#pragma once

#include <QWidget>

#include "desktop.h"
#include "manual_view.h"
#include "support/game_fixture.h"

namespace qtsupport {

// A game in real windows on the manual clock, moved from screen to screen by the player's
// clicks. Each step asserts that it reached its screen.
class DesktopGame {
public:
    explicit DesktopGame(Desktop& desktop);

    Desktop& desktop;
    support::TestRandom random;
    support::ScriptedPlatform platform;
    ManualView v;
    game::Game& g;

    // The game's window on the desktop: the one top-level window shown. Throws when there are
    // none or several.
    static QWidget& window();
    // The one form shown now, or nullptr when none or several are.
    const ui::Form* shownForm() const;

    void start();         // start-up: the welcome screen
    void toPlacement();   // the welcome label
    void toBattle();      // the sample fleet laid, then "Разместить флот врага"
    void playerMisses();  // a shot at water: the move is the computer's
    void computerHitsLast();  // the computer's next shot is its twentieth hit
    void computerWins();      // both
    void playAgain();         // "Играть сначала"
    void leaveBattle();       // "Покинуть игру", answered Yes
};

// The first screen opens at the design position where the whole frame fits in the free area
// of the screen; otherwise the frame is moved the least distance that brings it inside.
// `designFits`, where given, is what this desktop's screen is chosen for.
void opensWhollyOnTheScreen(Desktop& desktop, std::optional<bool> designFits);
// The battle window, minimised while the computer wins, is on screen again at the next battle;
// the result, welcome and placement screens in between are on screen too.
void minimisedBattleComesBack(Desktop& desktop);
// Every screen, minimised and then hidden and shown again, comes back on screen.
void everyScreenComesBackOnScreen(Desktop& desktop);
// One and the same window, never off the desktop, carries the screens along every road between
// them, and stays where the player moves it.
void oneWindowAllTheWay(Desktop& desktop);

}  // namespace qtsupport
