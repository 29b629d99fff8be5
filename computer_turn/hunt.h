// How the computer chooses where to shoot. While it searches (hunt state 0) it draws cells at
// random; after a search hit it works along the line of that first hit, one hunt state per hit
// scored on the ship, until its hits equal the ship's length; then the ship's surroundings go
// into the no-shoot mask and it searches again. The state lives in Form2's hidden fields
// (Text2 the hunt state, Text1 the hunted ship's length, txtPom the first hit) and in
// Module1's Napravlenie, StoronaTret and StoronaChetv. Every attempt takes exactly one number
// from the random source.
#pragma once

#include <optional>

namespace ui {
class Random;
}

namespace game {

class Form2;
struct Module1;

namespace computer_turn {

// The values a hunt draws, kept between shots: the direction from the first hit (0 right,
// 1 down, 2 left, 3 up), the side of the third shot and the end of the fourth.
struct HuntDraws {
    int napravlenie = 0;
    int storonaTret = 0;
    int storonaChetv = 0;
};

// The candidate of hunt state 1, 2 or 3 from first hit o, if it passes that state's tests: on
// the board, not across a row end on the way from the nearest hit, not in the mask.
std::optional<int> validCandidate(const Module1& m, int state, long o, const HuntDraws& draws);

// At the start of a shot: when the hits on the hunted ship have reached its length, the ring
// goes into the mask (unless nothing was hunted) and the hunt state goes back to 0.
void sunkTest(Form2& f, Module1& m);

// The dispatch on the hunt state and that state's attempts, until a candidate passes. Returns
// nothing when no cell at all can be shot. A hunt state that has no candidate left to shoot
// (only with a fleet that breaks the laying rules) ends the hunt and searches instead; both
// checks take no number, so a legal game draws exactly as if they were not there.
std::optional<int> chooseTarget(Form2& f, Module1& m, ui::Random& random);

}  // namespace computer_turn
}  // namespace game
