// The last steps of a computer shot: the struck type is named with its large picture and the
// hit is counted (or, after a miss, the message line is emptied and the miss picture shown);
// at the twentieth hit the battle is lost.
#pragma once

namespace game {

class Form2;
struct Module1;

namespace computer_turn {

// Reports the shot resolved on cell k from the length of the player's ship there.
void reportShot(Form2& f, const Module1& m, int k);
// At a count of "20": the player has lost; the end of battle runs at once.
void defeatTest(Form2& f, Module1& m);

}  // namespace computer_turn
}  // namespace game
