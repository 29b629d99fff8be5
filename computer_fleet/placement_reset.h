// Puts the placement screen back into its design state after the computer's fleet is drawn,
// so the next game's placement starts afresh. The placement screen is never destroyed and the
// new-game reset touches no control, so this is the only thing that clears it.
// Kept on purpose: txtNatschalo, txtKletka, txtMemory, txtProverka (hidden work fields the
// placement rewrites before reading), the computer's zone and the player's fleet in Module1,
// which the battle reads.
#pragma once

namespace game {

class Form1;

void restorePlacementScreen(Form1& f);

}  // namespace game
