// The player's shot at cell n of the computer's grid, run by every cell's click. Refused
// silently during the computer's move and on a cell shot before; the record of shots alone
// decides the second, never the cell's picture.
#include "battle/form2.h"
#include "placement/ship_types.h"
#include "shell/module1.h"

namespace game {

void Form2::PictureClick(int n) {
    if (txtHodu.text() == "2") return;
    if (m_.VystrelyIgroka[n] == n) return;

    for (int slot = 1; slot <= placement::kFleetCells; ++slot) {
        if (m_.FlotVraga[slot] != n) continue;
        // A hit keeps the move. The report may end the battle inside the press; the shot is
        // still recorded afterwards, on the hidden screen, touching no control.
        Picture(100 + n).setPicture(ImagePopal.picture());
        m_.Popadanie = n;
        cmdObraz.press();
        m_.VystrelyIgroka[n] = n;
        return;
    }

    // A miss passes the move at once; the miss picture covers any hit picture still visible.
    txtHodu.setText("2");
    Picture(100 + n).setPicture(ImageMimo.picture());
    m_.VystrelyIgroka[n] = n;
    LabelL.setCaption("");
    ImagePromah.show();
}

}  // namespace game
