#include "sea.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.h"
#include "raster.h"
#include "rng.h"

namespace draw {

namespace {

struct Swell {
    double dx, dy;  // unit direction of travel
    double k;       // wave number
    double amplitude;
    double length;
    double phase;
};

std::vector<Swell> makeSwells(const SeaStyle& s) {
    Rng rng(s.seed);
    std::vector<Swell> swells;
    double length = 1.0;
    for (int i = 0; i < 3; ++i) {
        const double l = length * rng.range(0.85, 1.15);
        const double angle = s.direction + rng.range(-0.9, 0.9);
        swells.push_back({std::sin(angle), std::cos(angle), 2.0 * M_PI / l,
                          s.steepness * l / (2.0 * M_PI) * 0.22, l, rng.range(0.0, 2.0 * M_PI)});
        length *= 0.62;
    }
    return swells;
}

struct View {
    double focal, vNear, rows, camera;
    int horizonY, width;
    double v(int y) const { return vNear * rows / (y - horizonY + 0.5); }
    double u(int x, double v) const { return (x - width / 2.0) * v / focal; }
};

// Height of the water: a few long swells and wind-driven chop made of noise, each part
// filtered out where it would be finer than the pixels that show it.
double waterHeight(double u, double v, double fu, double fv, const std::vector<Swell>& swells,
                   const SeaStyle& s) {
    const double wu = u + 0.8 * fbm(u * 0.12, v * 0.12, s.seed + 3u, 3);
    const double wv = v + 0.8 * fbm(u * 0.12 + 9.0, v * 0.12, s.seed + 4u, 3);
    double h = 0.0;
    for (const Swell& w : swells) {
        const double fp = std::hypot(w.dx * fu, w.dy * fv);
        // Far off, the swells flatten into the general sheen of the water.
        const double weight = smoothstep(1.5 * fp, 4.0 * fp, w.length) * smoothstep(60.0, 8.0, v);
        if (weight <= 0.0) continue;
        h += w.amplitude * weight * std::sin(w.k * (w.dx * wu + w.dy * wv) + w.phase);
    }
    double length = 0.45;
    double amplitude = s.steepness * 0.2;
    for (int o = 0; o < 7; ++o) {
        // Chop is longer across the line of sight than along it: crests run sideways.
        const double sx = 0.7 / length;
        const double sy = 1.25 / length;
        const double fp = std::max(fu * sx, fv * sy);
        const double weight = smoothstep(0.6, 0.2, fp);
        if (weight <= 0.0) break;
        const double n = noise(wu * sx + o * 7.1, wv * sy + o * 3.3, s.seed + 40u + o);
        // Sharpened crests, rounded troughs.
        h += amplitude * weight * (0.6 * n + 0.4 * (0.5 - std::fabs(n)));
        length *= 0.55;
        amplitude *= 0.55;
    }
    return h;
}

// Breaking crests: short strokes of foam, larger and more open the nearer they are.
void brushWhitecaps(QImage& img, int horizonY, const SeaStyle& s) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    Rng rng(s.seed + 77u);
    const double rows = img.height() - horizonY;
    for (int i = 0; i < s.whitecaps; ++i) {
        const double t = std::pow(rng.uniform(), 0.7);  // more of them in the distance
        const double y = horizonY + 3.0 + t * rows;
        const double size = 2.0 + t * t * img.width() * 0.05;
        const double x = rng.range(0, img.width());
        for (int k = 0; k < 5; ++k) {
            const double dy = rng.range(-0.15, 0.15) * size;  // drawn before x: see Rng
            const QPointF c(x + rng.range(-1.0, 1.0) * size, y + dy);
            const double rx = size * rng.range(0.3, 0.8);
            const double ry = std::max(0.6, rx * rng.range(0.12, 0.25));
            QRadialGradient g(c, rx);
            g.setColorAt(0.0, withAlpha(s.foam, static_cast<int>(rng.range(70, 170))));
            g.setColorAt(1.0, withAlpha(s.foam, 0));
            p.setBrush(g);
            p.drawEllipse(c, rx, ry);
        }
    }
}

}  // namespace

void paintSea(QImage& img, int horizonY, const SeaStyle& s) {
    const int w = img.width();
    const int h = img.height();
    const std::vector<Swell> swells = makeSwells(s);
    const double vNear = 1.0 / s.waveSize;  // the bottom row spans this many swell lengths
    const View view{static_cast<double>(w),     vNear,    static_cast<double>(h - horizonY),
                    (h - horizonY) * vNear / w, horizonY, w};
    const int y0 = std::max(horizonY, 0);
    // Heights on the pixel grid, one row more above, so slopes come from neighbours.
    std::vector<std::vector<double>> height(static_cast<std::size_t>(h - y0 + 1));
    for (int y = y0 - 1; y < h; ++y) {
        auto& row = height[static_cast<std::size_t>(y - y0 + 1)];
        row.resize(static_cast<std::size_t>(w + 1));
        const int yy = std::max(y, horizonY);
        const double v = view.v(yy);
        const double fu = v / view.focal;
        const double fv = v / (yy - horizonY + 0.5);
        for (int x = 0; x <= w; ++x)
            row[x] = waterHeight(view.u(x, v), v, fu, fv, swells, s);
    }
    for (int y = y0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const auto& row = height[static_cast<std::size_t>(y - y0 + 1)];
        const auto& above = height[static_cast<std::size_t>(y - y0)];
        const double v = view.v(y);
        const double dv = std::max(view.v(std::max(y - 1, horizonY)) - v, 1e-6);
        const double fu = v / view.focal;
        const double look = std::atan2(view.camera, v);  // how far below the horizon we look
        const double fog = clamp01(1.0 - std::exp(-(v - vNear * 0.8) / (vNear * s.fogDistance)));
        for (int x = 0; x < w; ++x) {
            const double gv = y > horizonY ? (above[x] - row[x]) / dv : 0.0;
            const double gu = (row[x + 1] - row[x]) / fu;
            // The reflected ray climbs when a facet tilts towards the viewer.
            const double elevation = std::max(look + 0.9 * std::tanh(gv) + 0.1 * gu, 0.004);
            const QColor sky = mix(s.skyLow, s.skyHigh, smoothstep(0.0, 0.55, elevation));
            const double fresnel = 0.1 + 0.82 * std::pow(clamp01(1.0 - elevation * 1.5), 3.0);
            QColor c = mix(s.deep, sky, fresnel);
            // Crests catch light and break into foam.
            const double crest = row[x] / std::max(s.steepness * 0.2, 1e-6);
            const double foamNoise = fbm01(view.u(x, v) * 2.0, v * 2.0, s.seed + 11u, 4);
            const double foam =
                s.foam_ * smoothstep(0.75, 1.1, crest * 0.55 + foamNoise * 0.75) * (1.0 - fog);
            c = mix(c, s.foam, foam);
            // Broad patches under cloud shadow and long streaks of wind on the far water.
            const double patch = fbm(view.u(x, v) * 0.04, v * 0.05, s.seed + 21u, 3);
            const double streak = fbm(view.u(x, v) * 0.01, v * 0.5, s.seed + 22u, 3) * fog;
            c = c.lighter(static_cast<int>(100 + 16 * patch + 14 * streak));
            c = mix(c, s.haze, fog * 0.85);
            line[x] = c.rgba();
        }
    }
    brushWhitecaps(img, horizonY, s);
}

}  // namespace draw
