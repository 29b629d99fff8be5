#include "placement/form1.h"
#include "placement/ship_types.h"
#include "shell/module1.h"

namespace game {

void Form1::Image1_Click() {
    chooseShipType(0);
}
void Form1::Image2_Click() {
    chooseShipType(1);
}
void Form1::Image3_Click() {
    chooseShipType(2);
}
void Form1::Image4_Click() {
    chooseShipType(3);
}

// A ship-type choice takes one ship from the type's stock and prepares the work fields for
// its first segment. Refused silently while a ship is under way or when the stock is empty.
void Form1::chooseShipType(int row) {
    const placement::ShipType& type = placement::kShipTypes.at(static_cast<std::size_t>(row));
    ui::TextBox& stock = this->*type.stock;
    if (txtUtschot.number() != 0) return;
    if (stock.number() == 0) return;

    txtUtschot.setNumber(type.length);
    txtKorabl.setText(type.text);
    stock.setNumber(stock.number() - 1);
    txtKletka.setText("0");
    txtMemory.setText("0");
    txtNomerdoli.setText("1");
    m_.RazmerKorablya = type.length;
    m_.SchetDoli = 0;
    for (int slot = 1; slot <= 4; ++slot)
        m_.TekKorabl[slot] = 0;
    // The ships laid so far get their red surroundings only now, so that the segments of the
    // ship being laid can stand next to one another.
    cmdIskl.press();
}

}  // namespace game
