// Laying the player's fleet the way the player does it: a ship picture chooses the type of
// the ship's length, then each of its cells is clicked in laying order.
#pragma once

#include <vector>

#include "placement/form1.h"
#include "support/game_fixture.h"

namespace support {

// The ship picture that chooses the type of the given length (1 Люгер ... 4 Линкор).
ui::Image& shipPicture(game::Form1& f1, int length);
// Clicks "Начать размещение!".
void startPlacement(game::Form1& f1);
// Chooses the type of the ship's length and clicks its cells in order.
void layShip(game::Form1& f1, const std::vector<int>& cells);
// Lays every ship of the fleet in turn; placement must have been started.
void layFleet(game::Form1& f1, const Fleet& fleet);

}  // namespace support
