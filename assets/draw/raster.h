// Pixel-level helpers shared by every picture: colour arithmetic, layers, blur, grain and the
// finishing touches that make the output look painted rather than drawn with a ruler.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

namespace draw {

inline double clamp01(double v) {
    return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
}
inline double smoothstep(double e0, double e1, double x) {
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}
inline double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor c, int alpha);

// A transparent layer to paint on, the format every helper expects.
QImage newLayer(int width, int height);
QImage newLayer(const QImage& like);

// Separable box blur, three passes (close to Gaussian), for glows, smoke and soft shadows.
void blur(QImage& img, int radius);

// Moves every pixel's colour towards `colour` by `amount`, keeping its coverage (distance haze).
void tint(QImage& layer, const QColor& colour, double amount);

// Fine luminance noise, as of canvas and pigment.
void addGrain(QImage& img, double amount, std::uint32_t seed);

// Darkens the corners, as an old painting's varnish does.
void vignette(QImage& img, double strength);

// The opaque 24-bit-ready copy that is written out.
QImage flatten(const QImage& img);

}  // namespace draw
