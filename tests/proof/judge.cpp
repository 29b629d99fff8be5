#include "judge.h"

#include <algorithm>

#include "battle/form2.h"
#include "computer_fleet/fleet_geometry.h"
#include "fleet_oracle.h"
#include "placement/form1.h"
#include "player.h"
#include "shell/form3.h"
#include "shell/form4.h"

namespace proof {

void Judge::follow(game::Game& game) {
    game_ = &game;
    wasInBattle_ = false;
    hidden_ = {};
}

ui::Form* Judge::shown() {
    const auto count =
        std::ranges::count_if(game_->forms(), [](const ui::Form* f) { return f->visible(); });
    if (count != 1) fail(std::to_string(count) + " screens shown at once");
    return shownScreen(*game_);
}

void Judge::check() {
    ui::Form* form = shown();
    checkHiddenScreens();
    if (form == nullptr) return;
    const game::Module1& rec = game_->module1();
    for (int v :
         {rec.PoleIgroka[0], rec.KorablKletki[0], rec.FlotVraga[0], rec.TekKorabl[0], rec.Sosedi[0],
          rec.SosediVraga[0], rec.SosediPopadaniy[0], rec.ZapretKomp[0], rec.VystrelyIgroka[0]}) {
        if (v != 0) fail("element 0 of an array was written");
    }
    if (rec.SchetDoli < 0 || rec.SchetDoli > 4) fail("more than four segments in one ship");
    const bool inBattle = form == &game_->form2();
    if (form == &game_->form1()) checkPlacement();
    if (inBattle && !wasInBattle_) checkBattleEntry();
    if (inBattle) checkBattle();
    if (wasInBattle_ && form == &game_->form3()) {
        if (rec.Itog == 1) ++wins;
        if (rec.Itog == 2) ++losses;
    }
    if (form == &game_->form3()) checkResult();
    wasInBattle_ = inBattle;
}

void Judge::questionAsked() {
    if (!game_->form2().visible() || shown() != &game_->form2()) {
        fail("the exit question asked from a hidden battle screen");
    }
}

void Judge::checkHiddenScreens() {
    const std::vector<ui::Form*> forms = game_->forms();
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const ui::Form& form = *forms[i];
        std::optional<support::ScreenState>& before = hidden_[i];
        if (form.visible()) {
            before.reset();
            continue;
        }
        if (before) {
            const std::string changed = before->changeIn(form);
            if (!changed.empty()) fail(changed + " changed on the hidden " + form.name());
        } else {
            before.emplace(form);
        }
    }
    game::Form2& f2 = game_->form2();
    if (f2.visible()) return;
    for (int n = 1; n <= 200; ++n) {
        if (!f2.Picture(n).picture().isNull()) fail("a cell drawn on the hidden battle screen");
    }
    for (const ui::TextBox* t : {&f2.Text1, &f2.txtPom, &f2.txtJa, &f2.txtVr, &f2.Text2}) {
        if (t->text() != "" && t->text() != "0")
            fail(t->name() + " not reset on the hidden battle");
    }
    if (f2.txtHodu.text() != "1" || game_->module1().HodComp != 0 ||
        f2.LabelComp.caption() != "Ваш ход:") {
        fail("the hidden battle screen does not give the move to the player");
    }
    for (const ui::Image* i :
         {&f2.ImagePromah, &f2.ImageGLin, &f2.ImageGFre, &f2.ImageGGal, &f2.ImageGLyg}) {
        if (i->visible()) fail("a large picture shown on the hidden battle screen");
    }
}

void Judge::checkPlacement() {
    const game::Module1& rec = game_->module1();
    game::Form1& f1 = game_->form1();
    for (int n = 1; n <= 100; ++n) {
        const bool dola = f1.Picture(n).picture() == f1.ImageDola.picture();
        if (dola != (rec.PoleIgroka[n] == n)) fail("a placement cell disagrees with the record");
        if ((rec.KorablKletki[n] != 0) != (rec.PoleIgroka[n] == n)) {
            fail("the fleet arrays disagree during placement");
        }
        if (!f1.Picture(100 + n).picture().isNull()) fail("the computer's zone was drawn on");
    }
    const long stocks[] = {f1.txtLyger.number(), f1.txtGaleon.number(), f1.txtFregat.number(),
                           f1.txtLinkor.number()};
    for (int t = 0; t < 4; ++t) {
        if (stocks[t] < 0 || stocks[t] > 4 - t) fail("a stock out of its range");
    }
    if (f1.txtUtschot.number() < 0 || f1.txtUtschot.number() > 4) fail("cells left out of range");
}

void Judge::checkBattleEntry() {
    const game::Module1& rec = game_->module1();
    const std::string fleetFault = playerFleetFault(rec);
    if (!fleetFault.empty()) fail("the player's fleet handed to the battle: " + fleetFault);
    fleet_test::Slots slots{};
    for (int s = 1; s <= 20; ++s)
        slots[static_cast<std::size_t>(s)] = rec.FlotVraga[s];
    if (!fleet_test::legalFleet(slots)) fail("the computer's fleet is not legal");
}

void Judge::checkBattle() {
    const game::Module1& rec = game_->module1();
    game::Form2& f2 = game_->form2();
    int computerHits = 0, playerHits = 0;
    for (int k = 1; k <= 100; ++k) {
        const ui::Picture& p = f2.Picture(k).picture();
        const bool ship = rec.PoleIgroka[k] == k;
        if (p == f2.ImagePopal.picture()) {
            ++computerHits;
            if (!ship) fail("a hit shown on empty water");
        } else if (p == f2.ImageMimo.picture()) {
            if (ship) fail("a miss shown on a ship");
        } else if ((p == f2.ImageDola.picture()) != ship) {
            fail("the player's grid does not show the fleet");
        }
        const ui::Picture& q = f2.Picture(100 + k).picture();
        bool enemy = false;
        for (int s = 1; s <= 20; ++s)
            enemy = enemy || rec.FlotVraga[s] == k;
        if (!q.isNull() && rec.VystrelyIgroka[k] != k) fail("a shot cell not recorded");
        if (q == f2.ImagePopal.picture()) {
            ++playerHits;
            if (!enemy) fail("a player's hit on empty water");
        } else if (q == f2.ImageMimo.picture() && enemy) {
            fail("a player's miss on a ship");
        }
    }
    if (f2.txtVr.number() != computerHits) fail("the computer's count disagrees with the grid");
    if (f2.txtJa.number() != playerHits) fail("the player's count disagrees with the grid");
    if ((rec.HodComp == 1) != (f2.txtHodu.text() == "2")) fail("HodComp and the move field");
    if (f2.LabelComp.caption() != (rec.HodComp == 1 ? "Ходит компьютер:" : "Ваш ход:")) {
        fail("the move caption");
    }
}

void Judge::checkResult() {
    const game::Module1& rec = game_->module1();
    game::Form3& f3 = game_->form3();
    if (rec.Itog != 1 && rec.Itog != 2) fail("a result screen without a result");
    if (f3.Image2.visible() != (rec.Itog == 1) || f3.Image1.visible() != (rec.Itog == 2)) {
        fail("the result picture");
    }
}

}  // namespace proof
