#include "placement/form1.h"

namespace game {

// "Начать размещение!": reveals the placement commands in the place of the button and arms
// the player's grid. The fields it reveals show what they already hold.
void Form1::CommandRazm_Click() {
    Image1.show();
    Image2.show();
    Image3.show();
    Image4.show();
    cmdStart.show();
    txtKorabl.show();
    CommandRazm.hide();
    txtLyger.show();
    txtGaleon.show();
    txtFregat.show();
    txtLinkor.show();
    // Nothing clears it again: from now on for the rest of the run the grid is armed.
    txtNatschalo.setText("1");
    Label1.show();
    Label2.show();
    txtUtschot.show();
    cmdOtmena.show();
    cmdOtmenitvso.show();
}

}  // namespace game
