#include "placement/form1.h"
#include "shell/form4.h"
#include "shell/game.h"

namespace game {

// The start-up form hides itself and opens the welcome screen; it is shown again only by the
// welcome label's click.
void Form1::Form_Load() {
    hide();
    game_.form4().show();
}

}  // namespace game
