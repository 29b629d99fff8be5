// The random draws of the computer's fleet and of the opponent's nation. Every number comes
// from the one random source, in a fixed order, so a scripted source predicts the result and
// the count of numbers taken exactly:
//  - a cell draw is the whole part of 101 r (0 is drawn again wherever a cell is kept), a
//    direction code the whole part of 4 r;
//  - a warm-up draw is made `warmUps` times and only the last result counts (fewer than one
//    counts as one);
//  - ships are drawn bow first, in slot order, without looking at one another; a complete
//    fleet that fails the whole-fleet checks is drawn again from the start.
#pragma once

namespace ui {
class Random;
}

namespace game {

struct Module1;

// Direction codes: 0 runs left (-1), 1 up (-10), 2 right (+1), 3 down (+10).
constexpr int directionStep(int code) {
    constexpr int steps[4] = {-1, -10, 1, 10};
    return steps[code];
}

// Whether a ship of `length` cells from `bow` may run in direction `code`: it must stay on
// the grid, and a horizontal ship must lie within columns 0 to 8 of one row.
bool directionAccepted(int length, int bow, int code);

// Draws FlotVraga(1 .. 20) until a fleet passes the whole-fleet checks. Returns the number of
// attempts it took.
int drawComputerFleet(Module1& m, ui::Random& random, int warmUps);

// A warm-up draw of a direction code into Natsiya; each result is stored as it is drawn.
void drawNation(Module1& m, ui::Random& random, int warmUps);

}  // namespace game
