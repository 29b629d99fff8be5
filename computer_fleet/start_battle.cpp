// "Разместить флот врага": once the player's whole fleet is laid, the computer's fleet and
// the opponent's nation are drawn, the placement screen is put back into its design state and
// the battle screen comes up. All of it runs inside the click; the warm-up counter cannot
// move meanwhile, since ticks never run inside a handler.
#include "battle/form2.h"
#include "computer_fleet/fleet_draw.h"
#include "computer_fleet/placement_reset.h"
#include "computer_fleet/warm_up.h"
#include "placement/form1.h"
#include "shell/game.h"
#include "ui/application.h"

namespace game {

void Form1::cmdStart_Click() {
    // Every ship chosen and the last one fully laid; otherwise the click is ignored.
    const long stock =
        txtGaleon.number() + txtFregat.number() + txtLinkor.number() + txtLyger.number();
    if (stock != 0 || txtUtschot.number() != 0) return;

    ui::Random& random = game_.app().random();
    const int warmUps = warmUpCount(m_.SchetTaimera);
    drawComputerFleet(m_, random, warmUps);
    drawNation(m_, random, warmUps);

    restorePlacementScreen(*this);
    hide();
    game_.form2().show();
}

}  // namespace game
