#include "sky.h"

#include <cmath>

#include "noise.h"
#include "raster.h"

namespace draw {

namespace {

// Cloud density at a point of the cloud deck; perspective squeezes the deck towards the
// horizon, so clouds flatten and crowd there as they do in a real sky.
double density(double u, double v, const SkyStyle& s) {
    const double n = fbm01(u, v, s.seed, 6, 0.52);
    const double threshold = 1.0 - s.cover;
    return smoothstep(threshold - s.softness * 0.5, threshold + s.softness, n);
}

}  // namespace

void paintSky(QImage& img, int horizonY, const SkyStyle& s) {
    const int w = img.width();
    const double scale = 3.2 / (w * s.cloudScale);
    for (int y = 0; y < horizonY && y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double t = static_cast<double>(y) / horizonY;  // 0 zenith, 1 horizon
        const QColor base = mix(s.zenith, s.horizon, std::pow(t, 1.6));
        const double depth = 1.0 / (1.08 - t);  // distance along the cloud deck
        for (int x = 0; x < w; ++x) {
            // Far clouds are smaller both ways, not only flattened.
            const double u = (x - w / 2.0) * scale * (0.55 + 0.45 * depth) + 50.0;
            const double v = depth * 1.5;
            const double d = density(u, v, s);
            // Light from above and from the sun's side: a point whose neighbour towards the
            // light is clear is lit, one deep inside or below the mass is shaded.
            const double toward = (s.sunX * w - x) > 0 ? 1.0 : -1.0;
            const double dl = density(u + toward * 0.05, v - 0.12, s);
            const double lit = clamp01(0.85 - 1.4 * (dl - d * 0.55) - 0.25 * d);
            QColor cloud = mix(s.cloudShade, s.cloudLight, lit);
            // Thin clouds near the horizon dissolve into the haze.
            cloud = mix(cloud, s.horizon, t * t * 0.6);
            QColor c = mix(base, cloud, d * (0.95 - 0.3 * t * t));
            const double sx = (x - s.sunX * w) / w;
            const double sy = (y - horizonY * 0.35) / horizonY;
            const double glow = s.glow * std::exp(-(sx * sx * 6.0 + sy * sy * 3.0));
            c = mix(c, s.sunGlow, glow);
            line[x] = c.rgba();
        }
    }
}

}  // namespace draw
