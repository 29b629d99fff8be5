#include "computer_fleet/placement_reset.h"

#include <initializer_list>

#include "placement/form1.h"
#include "ui/colour.h"

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

    f.txtUtschot.setText("0");
    f.txtNomerdoli.setText("1");
    f.txtLyger.setText("4");
    f.txtGaleon.setText("3");
    f.txtFregat.setText("2");
    f.txtLinkor.setText("1");
    f.txtKorabl.setText("Выберите тип корабля");

    // Laid segments and red exclusion marks both go.
    for (int n = 1; n <= 100; ++n)
        f.Picture(n).setPicture(f.ImagePusto.picture());
    for (int n = 1; n <= 100; ++n)
        f.Picture(n).setBackColour(ui::sys::CaptionText);
}

}  // namespace game
