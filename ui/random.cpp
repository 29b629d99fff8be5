#include "ui/random.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

int wholePartOf(Random& random, int n) {
    const double r = random.next();
    const int k = static_cast<int>(static_cast<double>(n) * r);
    return std::clamp(k, 0, n - 1);
}

double DefaultRandom::next() {
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

double ScriptedRandom::next() {
    if (taken_ >= numbers_.size()) {
        throw std::logic_error("scripted random source exhausted after " + std::to_string(taken_) +
                               " numbers");
    }
    return numbers_[taken_++];
}

}  // namespace ui
