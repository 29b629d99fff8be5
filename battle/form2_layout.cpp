#include "battle/form2.h"

namespace game {

// The design state of the battle screen. (Filled in with the battle screen.)
void Form2::layOut() {
    setCaption("Бурунцы: волноборье");
    setClientSize(11880, 8985);
    setBackColour(0x808000);
    txtHodu.setText("1");
}

}  // namespace game
