#include "placement/form1.h"

#include "assets/catalogue.h"

namespace game {

// The design state of the placement screen. (Filled in with the placement screen.)
void Form1::layOut() {
    setCaption("Бурунцы: волноборье");
    setClientSize(11880, 8985);
    setBackColour(0x808000);
    ImageDola.setPicture(assets::picture(assets::Id::CellDola));
}

}  // namespace game
