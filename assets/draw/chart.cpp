#include "chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "compass_rose.h"
#include "noise.h"
#include "raster.h"
#include "rng.h"
#include "ship.h"

namespace draw {

namespace {

const QColor kInk(58, 38, 22);

struct Island {
    double x, y;    // centre, fractions of the picture
    double rx, ry;  // radii, fractions of the width
};

// Where the islands lie: clear of the middle band under the welcome label and of the rose.
const Island kIslands[] = {
    {0.22, 0.19, 0.16, 0.09},   {0.34, 0.1, 0.06, 0.04},  {0.79, 0.15, 0.11, 0.07},
    {0.62, 0.08, 0.035, 0.025}, {0.17, 0.8, 0.14, 0.1},   {0.42, 0.9, 0.06, 0.035},
    {0.93, 0.5, 0.04, 0.06},    {0.05, 0.5, 0.035, 0.05}, {0.93, 0.93, 0.05, 0.03},
};

struct Lobe {
    double x, y, rx, ry;
};

// Each island is a cluster of lobes, so its coast has bays, capes and points.
std::vector<Lobe> lobes(double aspect) {
    Rng rng(300);
    std::vector<Lobe> out;
    for (const Island& i : kIslands) {
        out.push_back({i.x, i.y * aspect, i.rx * 0.8, i.ry * 0.8});
        const int extra = 3 + rng.below(3);
        for (int k = 0; k < extra; ++k) {
            const double a = rng.range(0, 2 * M_PI);
            const double d = rng.range(0.45, 0.8);
            const double s = rng.range(0.3, 0.6);
            out.push_back({i.x + std::cos(a) * i.rx * d, i.y * aspect + std::sin(a) * i.ry * d,
                           i.rx * s, i.ry * s * rng.range(0.8, 1.4)});
        }
    }
    return out;
}

// Land where the field passes 0.5; its contours are the coast and the lines along it.
std::vector<float> islandField(int w, int h) {
    std::vector<float> f(static_cast<std::size_t>(w) * h);
    const std::vector<Lobe> all = lobes(static_cast<double>(h) / w);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double u = static_cast<double>(x) / w;
            const double v = static_cast<double>(y) / w;  // square units
            const double wu = u + 0.035 * fbm(u * 6.0, v * 6.0, 301u, 4);
            const double wv = v + 0.035 * fbm(u * 6.0 + 7.0, v * 6.0, 302u, 4);
            double field = 0.0;
            for (const Lobe& l : all) {
                const double dx = (wu - l.x) / l.rx;
                const double dy = (wv - l.y) / l.ry;
                field += std::exp(-(dx * dx + dy * dy) * 1.4);
            }
            field = 1.0 - std::exp(-field * 0.9);
            field += 0.09 * fbm(u * 18.0, v * 18.0, 303u, 4) * smoothstep(0.05, 0.4, field);
            f[static_cast<std::size_t>(y) * w + x] = static_cast<float>(field);
        }
    }
    return f;
}

QColor parchmentAt(int x, int y, int w, int h) {
    const double u = static_cast<double>(x) / w;
    const double v = static_cast<double>(y) / h;
    const double stain =
        fbm(u * 3.0, v * 3.0, 310u, 5) + 0.5 * std::max(0.0, fbm(u * 7, v * 7, 313u, 4) - 0.3);
    const double fibre = fbm(u * 60.0, v * 8.0, 311u, 2);
    QColor c = mix(QColor(232, 212, 168), QColor(196, 160, 108), clamp01(0.4 + stain * 0.9));
    c = c.lighter(static_cast<int>(100 + 5 * fibre));
    // Darker, browner towards the worn edges.
    const double edge = std::min(std::min(u, 1 - u), std::min(v, 1 - v));
    c = mix(
        c, QColor(120, 80, 40),
        0.55 * (1.0 - smoothstep(0.0, 0.09, edge)) * (0.7 + 0.3 * fbm(u * 20, v * 20, 312u, 3)));
    // The creases where the chart was folded.
    const double crease = std::exp(-std::pow((u - 0.5) * w / 2.0, 2)) * 0.25 +
                          std::exp(-std::pow((v - 0.5) * h / 2.0, 2)) * 0.25;
    return c.darker(static_cast<int>(100 + 40 * crease));
}

void paintParchmentAndLand(QImage& img, const std::vector<float>& f) {
    const int w = img.width();
    const int h = img.height();
    auto at = [&](int x, int y) {
        return f[static_cast<std::size_t>(std::clamp(y, 0, h - 1)) * w + std::clamp(x, 0, w - 1)];
    };
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double v = at(x, y);
            const double gx = (at(x + 1, y) - at(x - 1, y)) / 2.0;
            const double gy = (at(x, y + 1) - at(x, y - 1)) / 2.0;
            const double grad = std::max(std::hypot(gx, gy), 1e-5);
            const double d = (v - 0.5) / grad;  // pixels from the coast, positive inland
            QColor c = parchmentAt(x, y, w, h);
            if (d < 0) {
                // Coastal water washed in blue-green, fading out to sea, with the lines
                // engravers drew along the shore.
                c = mix(c, QColor(120, 160, 150), 0.35 * std::exp(d / 16.0));
                for (int k = 1; k <= 4; ++k) {
                    const double off = std::fabs(-d - 5.0 * k);
                    c = mix(c, kInk, 0.5 * (1.0 - smoothstep(0.2, 0.9, off)) * (1.0 - k * 0.2));
                }
            } else {
                // Land: a wash of green and ochre, shaded as hills lit from the north-west.
                const double height = smoothstep(0.5, 1.0, v);
                QColor land = mix(QColor(190, 184, 120), QColor(170, 140, 86), height);
                land = land.lighter(static_cast<int>(100 + 1800 * (-gx - gy)));
                c = mix(c, land, 0.75 * smoothstep(0.0, 2.0, d));
            }
            c = mix(c, kInk, 0.9 * (1.0 - smoothstep(0.5, 1.4, std::fabs(d))));
            line[x] = c.rgba();
        }
    }
}

bool onLand(const std::vector<float>& f, int w, int h, QPointF p) {
    const int x = static_cast<int>(p.x());
    const int y = static_cast<int>(p.y());
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    return f[static_cast<std::size_t>(y) * w + x] > 0.56;
}

// Hills as little shaded mounds and woods as clusters of round trees.
void paintRelief(QPainter& p, const std::vector<float>& f, int w, int h) {
    Rng rng(320);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 6000; ++i) {
        const double y = rng.range(0, h);  // drawn before x: see Rng
        const QPointF c(rng.range(0, w), y);
        if (!onLand(f, w, h, c)) continue;
        const double v = f[static_cast<std::size_t>(c.y()) * w + static_cast<int>(c.x())];
        if (v > 0.63 && rng.uniform() < 0.3) {
            const double s = rng.range(5.0, 9.0);
            QPainterPath hill;
            hill.moveTo(c + QPointF(-s, 0));
            hill.quadTo(c + QPointF(-s * 0.3, -s * 1.3), c + QPointF(s * 0.1, -s * 0.9));
            hill.quadTo(c + QPointF(s * 0.6, -s * 0.6), c + QPointF(s, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 90, 50, 90));
            QPainterPath shade = hill;
            shade.lineTo(c + QPointF(s * 0.1, 0));
            p.drawPath(shade.translated(s * 0.15, 0));
            p.setPen(QPen(withAlpha(kInk, 200), 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawPath(hill);
        } else if (v > 0.55 && v < 0.63 && rng.uniform() < 0.2) {
            const double s = rng.range(2.0, 3.2);
            p.setPen(QPen(withAlpha(kInk, 180), 0.7));
            p.drawLine(c, c + QPointF(0, s * 1.2));
            p.setBrush(QColor(96, 120, 60, 200));
            p.drawEllipse(c - QPointF(0, s * 0.3), s, s);
        }
    }
}

// Shoals stippled off the coasts and crosses marking rocks awash.
void paintShoals(QPainter& p, const std::vector<float>& f, int w, int h) {
    Rng rng(340);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 30000; ++i) {
        const double y = rng.range(0, h);  // drawn before x: see Rng
        const QPointF c(rng.range(0, w), y);
        const double v = f[static_cast<std::size_t>(c.y()) * w + static_cast<int>(c.x())];
        // A band of the sea just off the coast, thinning outwards.
        if (v < 0.25 || v > 0.47 || rng.uniform() > (v - 0.25) / 0.22) continue;
        if (fbm01(c.x() / 40.0, c.y() / 40.0, 341u, 3) < 0.55) continue;
        p.setBrush(withAlpha(kInk, 150));
        p.drawEllipse(c, 0.7, 0.7);
    }
    p.setPen(QPen(withAlpha(kInk, 200), 1.0));
    for (int i = 0; i < 400; ++i) {
        const double y = rng.range(0, h);  // drawn before x: see Rng
        const QPointF c(rng.range(0, w), y);
        const double v = f[static_cast<std::size_t>(c.y()) * w + static_cast<int>(c.x())];
        if (v < 0.36 || v > 0.44 || rng.uniform() > 0.25) continue;
        p.drawLine(c + QPointF(-2.2, 0), c + QPointF(2.2, 0));
        p.drawLine(c + QPointF(0, -2.2), c + QPointF(0, 2.2));
    }
}

void paintRhumbLines(QPainter& p, QPointF centre, int w, int h, const std::vector<float>& f) {
    // The lines of the thirty-two winds, drawn across the open sea but not over land.
    QImage mask = newLayer(w, h);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing);
        const double reach = std::hypot(w, h) * 1.2;
        for (int i = 0; i < 32; ++i) {
            const double a = 2 * M_PI * i / 32;
            const QColor c =
                i % 4 == 0 ? QColor(58, 38, 22, 150)
                           : (i % 2 == 0 ? QColor(140, 40, 30, 120) : QColor(60, 100, 60, 110));
            m.setPen(QPen(c, i % 4 == 0 ? 1.0 : 0.7));
            m.drawLine(centre, centre + QPointF(reach * std::sin(a), -reach * std::cos(a)));
        }
    }
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (f[static_cast<std::size_t>(y) * w + x] > 0.47) line[x] = 0;
        }
    }
    p.drawImage(0, 0, mask);
}

void paintShipOnChart(QImage& img, const ShipDesign& design, QPointF at, double scale, bool left) {
    QImage layer = newLayer(img);
    {
        QPainter p(&layer);
        ShipPose pose;
        pose.waterline = at;
        pose.scale = scale;
        pose.facingLeft = left;
        paintShip(p, design, pose);
        // Little curling waves about the hull.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(withAlpha(kInk, 200), 1.0));
        p.setBrush(Qt::NoBrush);
        for (int i = -4; i <= 4; ++i) {
            const QPointF c = at + QPointF(i * scale * 14.0, scale * (3.0 + (i % 2) * 2.0));
            QPainterPath wave;
            wave.moveTo(c - QPointF(scale * 5, 0));
            wave.quadTo(c + QPointF(0, -scale * 3.5), c + QPointF(scale * 5, 0));
            p.drawPath(wave);
        }
    }
    // Coloured by hand, faded with the paper.
    tint(layer, QColor(150, 110, 70), 0.3);
    QPainter p(&img);
    p.drawImage(0, 0, layer);
}

void paintBorder(QPainter& p, int w, int h) {
    p.setRenderHint(QPainter::Antialiasing);
    const double m = w * 0.035;
    const QRectF outer(m, m, w - 2 * m, h - 2 * m);
    const QRectF inner = outer.adjusted(8, 8, -8, -8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 2.0));
    p.drawRect(outer);
    p.setPen(QPen(kInk, 1.0));
    p.drawRect(inner);
    // The scale of degrees between the two lines, in alternate black and white.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kInk, 220));
    const double step = 14.0;
    for (double x = inner.left(); x + step <= inner.right(); x += 2 * step) {
        p.drawRect(QRectF(x, outer.top() + 2, step, 5));
        p.drawRect(QRectF(x, inner.bottom() + 1, step, 5));
    }
    for (double y = inner.top(); y + step <= inner.bottom(); y += 2 * step) {
        p.drawRect(QRectF(outer.left() + 2, y, 5, step));
        p.drawRect(QRectF(inner.right() + 1, y, 5, step));
    }
}

}  // namespace

QImage seaChart(int w, int h) {
    QImage img = newLayer(w, h);
    const std::vector<float> field = islandField(w, h);
    paintParchmentAndLand(img, field);
    const QPointF rose(w * 0.7, h * 0.78);
    {
        QPainter p(&img);
        paintRhumbLines(p, rose, w, h, field);
        paintRelief(p, field, w, h);
        paintShoals(p, field, w, h);
    }
    ShipDesign galleonDesign = galleon();
    galleonDesign.seed = 81;
    paintShipOnChart(img, galleonDesign, QPointF(w * 0.55, h * 0.28), 1.0, false);
    ShipDesign frigateDesign = frigate();
    frigateDesign.seed = 82;
    paintShipOnChart(img, frigateDesign, QPointF(w * 0.38, h * 0.72), 0.85, true);
    ShipDesign luggerDesign = lugger();
    luggerDesign.seed = 83;
    paintShipOnChart(img, luggerDesign, QPointF(w * 0.86, h * 0.32), 0.6, true);
    {
        QPainter p(&img);
        paintCompassRose(p, rose, w * 0.15);
        paintBorder(p, w, h);
    }
    vignette(img, 0.35);
    addGrain(img, 0.02, 330);
    return img;
}

}  // namespace draw
