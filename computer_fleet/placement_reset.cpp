#include "computer_fleet/placement_reset.h"

#include <initializer_list>

#include "placement/form1.h"

namespace game {

namespace {

void hideAll(std::initializer_list<ui::Control*> controls) {
    for (ui::Control* c : controls)
        c->hide();
}

}  // namespace

void restorePlacementScreen(Form1& f) {
    // The controls that "Начать размещение!" shows are hidden again, and that button is back.
    hideAll({&f.Image1, &f.Image2, &f.Image3, &f.Image4, &f.cmdStart, &f.txtKorabl});
    f.CommandRazm.show();
    hideAll({&f.txtLyger, &f.txtGaleon, &f.txtFregat, &f.txtLinkor, &f.Label1, &f.Label2,
             &f.txtUtschot, &f.cmdOtmena, &f.cmdOtmenitvso});

    // The rest is what "Отменить расстановку" puts back too; unlike it, the passage leaves the
    // player's fleet in Module1 for the battle.
    f.restoreDesignTexts();
    f.emptyPlayerGrid();
}

}  // namespace game
