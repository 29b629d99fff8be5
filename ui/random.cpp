#include "ui/random.h"

#include <algorithm>

namespace ui {

int wholePartOf(Random& random, int n) {
    const double r = random.next();
    const int k = static_cast<int>(static_cast<double>(n) * r);
    return std::clamp(k, 0, n - 1);
}

double DefaultRandom::next() {
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace ui
