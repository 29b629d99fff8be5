// The warm-up counter SchetTaimera sets how many times each warm-up draw of the computer's
// fleet and nation is repeated, of which only the last result counts: that is what makes the
// fleet depend on the moment of the click, as the generator itself is never seeded.
#pragma once

#include <algorithm>

namespace game {

// The repeat count of a warm-up draw for a counter value. A warm-up draw needs at least one
// draw: with none the Люгер slots would never be written and no fleet could ever pass, so a
// counter not yet stepped since the reset (0) counts as 1.
constexpr int warmUpCount(int schetTaimera) {
    return std::max(1, schetTaimera);
}

}  // namespace game
