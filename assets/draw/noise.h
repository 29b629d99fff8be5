// Smooth gradient noise for textures: parchment stains, clouds, waves, wood grain, smoke.
#pragma once

#include <cstdint>

namespace draw {

// Gradient noise, roughly in [-1, 1], one cell per unit.
double noise(double x, double y, std::uint32_t seed);

// Fractal sum of octaves of noise, normalised to roughly [-1, 1].
double fbm(double x, double y, std::uint32_t seed, int octaves = 5, double gain = 0.5);

// fbm mapped to [0, 1].
inline double fbm01(double x, double y, std::uint32_t seed, int octaves = 5, double gain = 0.5) {
    return 0.5 + 0.5 * fbm(x, y, seed, octaves, gain);
}

}  // namespace draw
