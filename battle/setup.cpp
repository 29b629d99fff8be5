// The battle set-up: every showing of the battle screen draws the player's fleet and shows the
// opponent's flag; the activation also empties the message line left by the previous battle.
// A window that merely gets the focus back is no showing and runs neither.
#include "battle/form2.h"
#include "shell/module1.h"

namespace game {

void Form2::Form_Load() {
    drawFleetAndFlag();
}

void Form2::Form_Activate() {
    LabelL.setCaption("");
    drawFleetAndFlag();
}

// Cells outside the fleet are left as they are: the battle reset emptied them all before the
// screen was last hidden. Four separate tests, so a nation outside 0..3 shows no flag.
void Form2::drawFleetAndFlag() {
    for (int k = 1; k <= 100; ++k) {
        if (m_.PoleIgroka[k] == k) Picture(k).setPicture(ImageDola.picture());
    }
    ImageAng.hide();
    ImageFra.hide();
    ImageSpa.hide();
    ImageGol.hide();
    if (m_.Natsiya == 0) ImageAng.show();
    if (m_.Natsiya == 1) ImageFra.show();
    if (m_.Natsiya == 2) ImageSpa.show();
    if (m_.Natsiya == 3) ImageGol.show();
}

}  // namespace game
