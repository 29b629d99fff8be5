#include "player.h"

#include <vector>

#include "battle/form2.h"
#include "fleet_oracle.h"
#include "placement/form1.h"
#include "shell/form3.h"
#include "shell/form4.h"
#include "support/placement_clicks.h"

namespace proof {

ui::Form* shownScreen(game::Game& game) {
    for (ui::Form* f : game.forms()) {
        if (f->visible()) return f;
    }
    return nullptr;
}

ui::Control* Player::anything(game::Game& game, ui::Form& shown) {
    std::vector<ui::Control*> visible;
    for (ui::Control* c : shown.controls()) {
        if (c->visible()) visible.push_back(c);
    }
    ui::Control* c = visible[static_cast<std::size_t>(below(static_cast<int>(visible.size())))];
    if (c == &game.form3().Command2 && below(10) != 0) return nullptr;
    return c;
}

ui::Control* Player::purposeful(game::Game& game, ui::Form& shown) {
    if (&shown == &game.form4()) return &game.form4().Label1;
    if (&shown == &game.form1()) return nextPlacementStep(game.form1());
    if (&shown == &game.form2()) {
        plan_.clear();
        if (game.form2().txtHodu.text() == "2") return nullptr;
        if (below(40) == 0) return &game.form2().CommandExit;
        return shot(game);
    }
    if (&shown == &game.form3()) {
        return below(15) == 0 ? &game.form3().Command2 : &game.form3().Command1;
    }
    return nullptr;
}

ui::Control* Player::nextPlacementStep(game::Form1& f1) {
    if (f1.CommandRazm.visible()) return &f1.CommandRazm;
    if (plan_.empty()) {
        // Start the placement over and lay a fresh legal fleet.
        plan_.push_back(&f1.cmdOtmenitvso);
        for (const auto& ship : randomLegalFleet(rng_)) {
            plan_.push_back(&support::shipPicture(f1, static_cast<int>(ship.size())));
            for (int cell : ship)
                plan_.push_back(&f1.Picture(cell));
        }
        plan_.push_back(&f1.cmdStart);
    }
    ui::Control* step = plan_.front();
    plan_.pop_front();
    return step;
}

// Aimed at enemy ship cells mostly, so that battles are won as well as lost.
ui::Control* Player::shot(game::Game& game) {
    const game::Module1& m = game.module1();
    std::vector<int> open;
    for (int n = 1; n <= 100; ++n) {
        if (m.VystrelyIgroka[n] == n) continue;
        bool ship = false;
        for (int s = 1; s <= 20; ++s)
            ship = ship || m.FlotVraga[s] == n;
        if (ship || below(4) == 0) open.push_back(n);
    }
    if (open.empty()) return nullptr;
    return &game.form2().Picture(100 + open[static_cast<std::size_t>(below(int(open.size())))]);
}

}  // namespace proof
