// The computer's shot at one cell of the player's grid. The computer records its shots only in
// the cells' pictures: a cell it missed shows Mimo, a cell it hit shows Popal, and a second shot
// at a cell is refused by looking at the picture of the outcome at hand.
#pragma once

namespace game {

class Form2;
struct Module1;

namespace computer_turn {

enum class Outcome { Refused, Miss, Hit };

// A segment of a player's ship lies on cell k.
bool isShipCell(const Module1& m, int k);

// True when cell k already shows the picture its shot would give it, so a shot there would
// be refused. Reads nothing but the fleet and the cell.
bool alreadyShot(const Form2& f, const Module1& m, int k);

// Resolves the shot at cell k (1..100): a miss draws the dot and hands the move back; a hit
// marks the ring, draws the cross and raises the hunt state. A cell already shot is refused
// and nothing is drawn (only the ring is marked again, which adds nothing).
Outcome resolveShot(Form2& f, Module1& m, int k);

}  // namespace computer_turn
}  // namespace game
