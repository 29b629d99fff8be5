// Independent judges for the abuse run: a random legal fleet to lay, and a check that the
// fleet the placement hands over (PoleIgroka with KorablKletki) is ten straight ships of the
// right lengths, apart from one another even at the corners.
#pragma once

#include <random>

#include "shell/module1.h"
#include "support/game_fixture.h"

namespace proof {

support::Fleet randomLegalFleet(std::mt19937& rng);
// Empty when the handed-over fleet is legal, else what is wrong.
std::string playerFleetFault(const game::Module1& m);

}  // namespace proof
