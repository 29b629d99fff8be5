#include "ui/clock.h"

#include <chrono>

namespace ui {

namespace {
Millis steadyMillis() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

SteadyClock::SteadyClock() : origin_(steadyMillis()) {}

Millis SteadyClock::now() const {
    return steadyMillis() - origin_;
}

}  // namespace ui
