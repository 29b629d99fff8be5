// The clicks of the randomised runs, chosen alike whatever delivers them (a direct call into the
// model or a real mouse click on the widget): now any control the shown screen offers, refused
// or not, now the next step of a player who means to get somewhere, so that games run to both
// results.
#pragma once

#include <deque>
#include <random>

#include "shell/game.h"
#include "ui/control.h"
#include "ui/form.h"

namespace proof {

// The screen shown now (the first, should there be more), or nullptr.
ui::Form* shownScreen(game::Game& game);

class Player {
public:
    explicit Player(std::mt19937& rng) : rng_(rng) {}

    // A new run of the program: nothing half done carries over.
    void newRun() { plan_.clear(); }
    // Any visible control of the shown screen; nullptr now and then for "Выход", which ends
    // the run, so that runs last.
    ui::Control* anything(game::Game& game, ui::Form& shown);
    // The next step towards the end of a game: on the placement screen a fresh legal fleet, one
    // click at a time; in battle a shot aimed mostly at the enemy's ships, and now and then
    // "Покинуть игру". nullptr while the move is the computer's: the player waits.
    ui::Control* purposeful(game::Game& game, ui::Form& shown);

    // A cell of the computer's grid not shot yet, aimed mostly at its ships, whoever has the
    // move; nullptr when none is left.
    ui::Control* shot(game::Game& game);

    int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }

private:
    ui::Control* nextPlacementStep(game::Form1& f1);

    std::mt19937& rng_;
    std::deque<ui::Control*> plan_;  // the placement clicks still to make
};

}  // namespace proof
