#include "placement/form1.h"

#include <string>

#include "shell/form4.h"
#include "shell/game.h"

namespace game {

Form1::Form1(Game& game)
    : ui::Form(game.app(), "Form1"),
      Frame1(*this, "Frame1"),
      Frame2(*this, "Frame2"),
      Label1(*this, "Label1"),
      txtUtschot(*this, "txtUtschot"),
      Label2(*this, "Label2"),
      cmdOtmenitvso(*this, "cmdOtmenitvso"),
      txtKorabl(*this, "txtKorabl"),
      cmdOtmena(*this, "cmdOtmena"),
      Image1(*this, "Image1"),
      Image2(*this, "Image2"),
      Image3(*this, "Image3"),
      Image4(*this, "Image4"),
      txtLyger(*this, "txtLyger"),
      txtGaleon(*this, "txtGaleon"),
      txtFregat(*this, "txtFregat"),
      txtLinkor(*this, "txtLinkor"),
      CommandRazm(*this, "CommandRazm"),
      cmdStart(*this, "cmdStart"),
      ImagePusto(*this, "ImagePusto"),
      txtNatschalo(*this, "txtNatschalo"),
      txtNomerdoli(*this, "txtNomerdoli"),
      txtKletka(*this, "txtKletka"),
      txtMemory(*this, "txtMemory"),
      txtProverka(*this, "txtProverka"),
      ImageDola(*this, "ImageDola"),
      cmdIskl(*this, "cmdIskl"),
      Timer1(*this, "Timer1", 30),
      game_(game),
      m_(game.module1()) {
    cells_.resize(1);
    for (int n = 1; n <= 200; ++n) {
        cells_.push_back(std::make_unique<ui::PictureBox>(*this, "Picture" + std::to_string(n)));
    }
    layOut();

    setLoadHandler([this] { Form_Load(); });
    CommandRazm.setClickHandler([this] { CommandRazm_Click(); });
    Image1.setClickHandler([this] { Image1_Click(); });
    Image2.setClickHandler([this] { Image2_Click(); });
    Image3.setClickHandler([this] { Image3_Click(); });
    Image4.setClickHandler([this] { Image4_Click(); });
    cmdIskl.setClickHandler([this] { cmdIskl_Click(); });
    cmdOtmena.setClickHandler([this] { cmdOtmena_Click(); });
    cmdOtmenitvso.setClickHandler([this] { cmdOtmenitvso_Click(); });
    cmdStart.setClickHandler([this] { cmdStart_Click(); });
    Timer1.setTickHandler([this] { Timer1_Timer(); });
    // Only the player's grid takes clicks: PictureN_Click for N = 1..100.
    for (int n = 1; n <= 100; ++n) {
        Picture(n).setClickHandler([this, n] { PictureClick(n); });
    }
}

// The start-up form hides itself and opens the welcome screen; it is shown again only by the
// welcome label's click.
void Form1::Form_Load() {
    hide();
    game_.form4().show();
}

}  // namespace game
