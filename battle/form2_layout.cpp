#include "battle/form2.h"

#include "assets/catalogue.h"

namespace game {

// The design state of the battle screen. (Filled in with the battle screen.)
void Form2::layOut() {
    setCaption("Бурунцы: волноборье");
    setClientSize(11880, 8985);
    setBackColour(0x808000);
    txtHodu.setText("1");
    ImageDola.setPicture(assets::picture(assets::Id::CellDola));
    ImageMimo.setPicture(assets::picture(assets::Id::CellMimo));
    ImagePopal.setPicture(assets::picture(assets::Id::CellPopal));
}

}  // namespace game
