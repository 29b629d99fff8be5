// The placement screen's return to its design state, shared by "Отменить расстановку" and the
// passage to the battle; each adds what is its own around these steps.
#include "placement/form1.h"
#include "placement/ship_types.h"
#include "shell/screen.h"

namespace game {

// From the shortest type to the longest: "4", "3", "2", "1".
void Form1::fillStocks() {
    for (const placement::ShipType& type : placement::kShipTypes)
        (this->*type.stock).setNumber(type.count);
}

void Form1::restoreDesignTexts() {
    txtUtschot.setText("0");
    txtNomerdoli.setText("1");
    fillStocks();
    txtKorabl.setText(placement::kPrompt);
}

// Laid segments and red marks both go.
void Form1::emptyPlayerGrid() {
    for (int n = 1; n <= 100; ++n)
        Picture(n).setPicture(ImagePusto.picture());
    for (int n = 1; n <= 100; ++n)
        Picture(n).setBackColour(screen::kCellColour);
}

}  // namespace game
