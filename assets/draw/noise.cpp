#include "noise.h"

#include <cmath>

namespace draw {

namespace {

std::uint32_t hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// Twelve evenly spread unit gradients are enough to hide the lattice.
double gradientDot(std::uint32_t h, double dx, double dy) {
    static const double kGrad[12][2] = {
        {1.0, 0.0},  {0.866, 0.5},   {0.5, 0.866},   {0.0, 1.0},  {-0.5, 0.866}, {-0.866, 0.5},
        {-1.0, 0.0}, {-0.866, -0.5}, {-0.5, -0.866}, {0.0, -1.0}, {0.5, -0.866}, {0.866, -0.5},
    };
    const double* g = kGrad[h % 12];
    return g[0] * dx + g[1] * dy;
}

double fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

}  // namespace

double noise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double dx = x - fx;
    const double dy = y - fy;
    const double n00 = gradientDot(hash(ix, iy, seed), dx, dy);
    const double n10 = gradientDot(hash(ix + 1, iy, seed), dx - 1.0, dy);
    const double n01 = gradientDot(hash(ix, iy + 1, seed), dx, dy - 1.0);
    const double n11 = gradientDot(hash(ix + 1, iy + 1, seed), dx - 1.0, dy - 1.0);
    const double u = fade(dx);
    const double v = fade(dy);
    const double a = n00 + (n10 - n00) * u;
    const double b = n01 + (n11 - n01) * u;
    return 1.4 * (a + (b - a) * v);
}

double fbm(double x, double y, std::uint32_t seed, int octaves, double gain) {
    double sum = 0.0;
    double amplitude = 1.0;
    double norm = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * noise(x, y, seed + static_cast<std::uint32_t>(i) * 1013u);
        norm += amplitude;
        amplitude *= gain;
        // A slight rotation between octaves keeps the lattice from lining up.
        const double nx = 1.6 * x + 1.2 * y + 17.3;
        const double ny = -1.2 * x + 1.6 * y + 5.1;
        x = nx;
        y = ny;
    }
    return sum / norm;
}

}  // namespace draw
