#include "cloth.h"

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "raster.h"

namespace draw {

namespace {

QRgb sample(const QImage& img, double x, double y) {
    x = std::clamp(x, 0.0, img.width() - 1.001);
    y = std::clamp(y, 0.0, img.height() - 1.001);
    const int x0 = static_cast<int>(x);
    const int y0 = static_cast<int>(y);
    const double fx = x - x0;
    const double fy = y - y0;
    const QRgb a = img.pixel(x0, y0);
    const QRgb b = img.pixel(x0 + 1, y0);
    const QRgb c = img.pixel(x0, y0 + 1);
    const QRgb d = img.pixel(x0 + 1, y0 + 1);
    auto ch = [&](int (*get)(QRgb)) {
        return static_cast<int>(lerp(lerp(get(a), get(b), fx), lerp(get(c), get(d), fx), fy));
    };
    return qRgb(ch(qRed), ch(qGreen), ch(qBlue));
}

}  // namespace

QImage flyCloth(const QImage& flat, int width, int height, std::uint32_t seed, double strength) {
    const QImage src = flat.convertToFormat(QImage::Format_RGB32);
    QImage out(width, height, QImage::Format_ARGB32_Premultiplied);
    const double phase = seed * 0.37;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;
            const double v = (y + 0.5) / height;
            const double grow = strength * (0.25 + 0.75 * u);  // the fly flaps more than the hoist
            // Two travelling folds, slanting a little, and a slow billow.
            const double a1 = 2.0 * M_PI * (1.45 * u - 0.22 * v) + phase;
            const double a2 = 2.0 * M_PI * (2.6 * u + 0.35 * v) + phase * 1.7;
            const double dy = grow * (0.035 * std::sin(a1) + 0.012 * std::sin(a2));
            const double dx = grow * (-0.02 * std::cos(a1));
            const double slope = grow * (std::cos(a1) * 0.9 + std::cos(a2) * 0.45);
            const double billow = 0.5 * fbm(u * 2.0, v * 2.0, seed, 3);
            double light = 1.0 + 0.36 * slope + 0.08 * billow;
            // A crease catches a sharp highlight where the fold turns.
            light += 0.12 * std::pow(std::max(0.0, std::sin(a1 + 0.9)), 12.0) * grow;
            // The weave of the bunting and the edges in shadow.
            light *= 1.0 + 0.03 * std::sin(x * 2.6) * std::sin(y * 2.6);
            light *= 1.0 - 0.22 * smoothstep(0.78, 1.0, std::max(std::fabs(2 * v - 1), u));
            const QRgb c = sample(src, (u + dx) * src.width(), (v + dy) * src.height());
            // Dark cloth still shows its folds by the sheen of the sky on it.
            const double sheen = 40.0 * (light - 1.0);
            auto ch = [&](int value) {
                return std::clamp(static_cast<int>(value * light + sheen), 0, 255);
            };
            line[x] = qRgb(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)));
        }
    }
    return out;
}

}  // namespace draw
