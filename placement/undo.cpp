#include <string>

#include "placement/form1.h"
#include "placement/ship_types.h"
#include "shell/module1.h"
#include "shell/screen.h"

namespace game {

// "Отменить корабль": the ship chosen last goes back to its stock and whatever of it is laid
// leaves the grid. TekKorabl keeps naming its cells; the next type choice clears it. Red
// marks stay: they surround ships laid before that choice, which stay laid.
void Form1::cmdOtmena_Click() {
    txtUtschot.setText("0");
    txtNomerdoli.setText("1");
    for (const placement::ShipType& type : placement::kShipTypes) {
        if (txtKorabl.text() != type.text) continue;
        ui::TextBox& stock = this->*type.stock;
        stock.setNumber(stock.number() + 1);
        txtKorabl.setText(placement::kPrompt);
    }
    // Slot values are compared with cells, never used as indexes: a free cell's entry (0)
    // matches an unused slot and is rewritten with the zeros it holds.
    for (int i = 1; i <= 100; ++i) {
        for (int slot = 1; slot <= 4; ++slot) {
            if (m_.TekKorabl[slot] == m_.PoleIgroka[i]) {
                m_.PoleIgroka[i] = 0;
                m_.KorablKletki[i] = 0;
            }
        }
    }
    for (int slot = 1; slot <= 4; ++slot) {
        const int n = m_.TekKorabl[slot];
        if (n < 1 || n > 100) continue;
        Picture(n).setPicture(ImagePusto.picture());
        Picture(n).setBackColour(screen::kCellColour);
    }
}

// "Отменить расстановку": full stocks, an empty grid without red marks, an empty fleet
// record. Sosedi is cleared too, so that the next marking cannot repaint a neighbour of a
// ship that is gone.
void Form1::cmdOtmenitvso_Click() {
    restoreDesignTexts();
    for (int i = 1; i <= 100; ++i)
        m_.PoleIgroka[i] = 0;
    for (int i = 1; i <= 100; ++i)
        m_.KorablKletki[i] = 0;
    emptyPlayerGrid();
    for (int slot = 1; slot <= 8; ++slot)
        m_.Sosedi[slot] = 0;
}

}  // namespace game
