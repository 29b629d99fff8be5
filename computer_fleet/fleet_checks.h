// The whole-fleet checks of the computer's fleet: FlotVraga(1 .. 20) passes exactly when its
// twenty cells are distinct, every ship is a straight run along a row or a column that never
// crosses a row end, and no two ships touch by a side or a corner.
// The overlap, border, inner-cell and Люгер checks run in their fixed order and stop at the
// first failing comparison; the inner-cell and Люгер checks leave the neighbours of the end
// cell they examined last in SosediVraga(1 .. 8). Nothing else is written.
#pragma once

namespace game {

struct Module1;

bool fleetPasses(Module1& m);

}  // namespace game
