// The invariants of the randomised runs, checked after every event whatever drives the game:
// the model's handlers called directly, or real Qt events through the view.
//  - Exactly one screen is shown.
//  - A screen that stays hidden does not change, and the hidden battle screen holds what the
//    battle reset leaves: an input handled on a screen that is gone shows here.
//  - The exit question is asked only from the battle screen, shown alone.
//  - On the placement screen the cells, the fleet record and the counters agree.
//  - The fleets handed to the battle are legal.
//  - On the battle screen the hit counts, the move field and the cells agree with the record.
//  - The result screen shows the result.
// It counts the battles carried to each result as it goes.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "shell/game.h"
#include "support/screen_state.h"

namespace proof {

class Judge {
public:
    // Follows a new run of the program, from its start-up.
    void follow(game::Game& game);
    // After every event.
    void check();
    // While the exit question is open.
    void questionAsked();

    void fail(const std::string& what) {
        if (fault_.empty()) fault_ = what;
    }
    const std::string& fault() const { return fault_; }
    int wins = 0, losses = 0;

private:
    ui::Form* shown();
    void checkHiddenScreens();
    void checkPlacement();
    void checkBattleEntry();
    void checkBattle();
    void checkResult();

    game::Game* game_ = nullptr;
    bool wasInBattle_ = false;
    // Each hidden screen as it was when last seen hidden; none for a shown one.
    std::array<std::optional<support::ScreenState>, 4> hidden_;
    std::string fault_;
};

}  // namespace proof
