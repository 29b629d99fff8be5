// A small deterministic random source for the drawing program: the same seed gives the same
// pictures on every machine and with every standard library, unlike std distributions.
// C++ leaves the order of a call's arguments, and of the operands of + and *, to the compiler,
// so no call or expression may draw more than once: each draw but the last goes into a local
// first. Where one was split up, the locals keep the order in which the committed pictures
// were drawn (a call's arguments last to first).
#pragma once

#include <cstdint>

namespace draw {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {  // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(uniform() * n); }

private:
    std::uint64_t state_;
};

}  // namespace draw
