// The game's random source for one run of a randomised test: seeded, and failing any single
// event that takes more numbers than a handler could ever need, so that a handler that does not
// return is caught, not waited for.
#pragma once

#include <cstdint>
#include <random>
#include <stdexcept>

#include "ui/random.h"

namespace proof {

class BoundedRandom final : public ui::Random {
public:
    static constexpr std::size_t kPerEvent = 20'000'000;
    explicit BoundedRandom(std::uint64_t seed) : engine_(seed) {}
    void newEvent() { taken_ = 0; }
    double next() override {
        if (++taken_ > kPerEvent) throw std::runtime_error("one event took too many numbers");
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }

private:
    std::mt19937_64 engine_;
    std::size_t taken_ = 0;
};

}  // namespace proof
