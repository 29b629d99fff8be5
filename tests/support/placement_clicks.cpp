#include "support/placement_clicks.h"

#include <stdexcept>
#include <string>

namespace support {

ui::Image& shipPicture(game::Form1& f1, int length) {
    switch (length) {
        case 1:
            return f1.Image1;
        case 2:
            return f1.Image2;
        case 3:
            return f1.Image3;
        case 4:
            return f1.Image4;
        default:
            throw std::invalid_argument("no ship type of length " + std::to_string(length));
    }
}

void startPlacement(game::Form1& f1) {
    f1.CommandRazm.click();
}

void layShip(game::Form1& f1, const std::vector<int>& cells) {
    shipPicture(f1, static_cast<int>(cells.size())).click();
    for (int cell : cells)
        f1.Picture(cell).click();
}

void layFleet(game::Form1& f1, const Fleet& fleet) {
    for (const auto& ship : fleet)
        layShip(f1, ship);
}

}  // namespace support
