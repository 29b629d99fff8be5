// The random source: numbers r with 0 <= r < 1. The program never seeds it, so every run
// starts the same sequence, and the one source is shared by everything that draws in a run.
#pragma once

#include <cstdint>
#include <random>

namespace ui {

class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;
};

// The whole part of n * r for the next r, a value 0 .. n - 1. Clamped so that no rounding of
// the product can ever give n itself (a cell 101 or a nation 4 would match nothing).
int wholePartOf(Random& random, int n);

// The program's source: an engine the C++ standard defines exactly, with a fixed seed, so
// the sequence is the same with every standard library. r is built from the top 53 bits and is
// never 1.0.
class DefaultRandom final : public Random {
public:
    static constexpr std::uint64_t kSeed = 20261210;
    double next() override;

private:
    std::mt19937_64 engine_{kSeed};
};

}  // namespace ui
