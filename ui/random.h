// The random source: numbers r with 0 <= r < 1. The program never seeds it, so every run
// starts the same sequence, and the one source is shared by everything that draws in a run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

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

// For tests: returns the given numbers in order and throws std::logic_error when they run
// out, so a test that expects a number of draws learns at once when more are taken.
class ScriptedRandom final : public Random {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> numbers) : numbers_(std::move(numbers)) {}

    void push(double r) { numbers_.push_back(r); }
    void push(const std::vector<double>& rs) {
        numbers_.insert(numbers_.end(), rs.begin(), rs.end());
    }
    double next() override;

    std::size_t taken() const { return taken_; }
    std::size_t remaining() const { return numbers_.size() - taken_; }

private:
    std::vector<double> numbers_;
    std::size_t taken_ = 0;
};

}  // namespace ui
