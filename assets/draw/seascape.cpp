#include "seascape.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "noise.h"
#include "raster.h"
#include "rng.h"

namespace draw {

QImage seascape(int width, int height, int horizonY, const SkyStyle& sky, const SeaStyle& sea) {
    QImage img = newLayer(width, height);
    paintSky(img, horizonY, sky);
    paintSea(img, horizonY, sea);
    return img;
}

ShipPose fitShip(const ShipDesign& design, const QRectF& area, bool facingLeft, double heel) {
    const QRectF ext = shipExtent(design);  // y up
    const double scale = std::min(area.width() / ext.width(), area.height() / ext.height());
    ShipPose pose;
    pose.scale = scale;
    pose.facingLeft = facingLeft;
    pose.heel = heel;
    const double midX = (ext.left() + ext.right()) / 2.0;
    const double x = area.center().x() + (facingLeft ? midX : -midX) * scale;
    const double y = area.bottom() + ext.top() * scale;  // ext.top() is the lowest point
    pose.waterline = QPointF(x, y);
    return pose;
}

ShipLayer paintShipLayer(const QImage& canvas, const ShipDesign& design, const ShipPose& pose) {
    ShipLayer layer{newLayer(canvas), QTransform()};
    QPainter p(&layer.image);
    layer.map = paintShip(p, design, pose);
    return layer;
}

namespace {

void reflect(QImage& canvas, const QImage& ship, double waterY, double scale) {
    const int w = canvas.width();
    const int h = canvas.height();
    const int y0 = static_cast<int>(std::ceil(waterY));
    const double reach = scale * 40.0;  // how far down the reflection fades out
    for (int y = std::max(y0, 0); y < h; ++y) {
        const double d = y - waterY;
        const double fade = 0.42 * std::exp(-d / reach);
        if (fade < 0.01) break;
        auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        for (int x = 0; x < w; ++x) {
            // Ripples shift the mirrored picture sideways, more the further from the hull.
            const double wobble = (1.0 + d * 0.06) * (1.2 * std::sin(y * 0.8 + x * 0.05) +
                                                      1.5 * noise(x * 0.05, y * 0.35, 3u));
            const int sx = std::clamp(static_cast<int>(x + wobble), 0, w - 1);
            const int sy =
                static_cast<int>(2.0 * waterY - y + 0.5 * noise(x * 0.1, y * 0.2, 4u) * d * 0.1);
            if (sy < 0 || sy >= h) continue;
            const QRgb src = reinterpret_cast<const QRgb*>(ship.constScanLine(sy))[sx];
            const int a = qAlpha(src);
            if (a == 0) continue;
            const double k = fade * a / 255.0;
            const QRgb dst = line[x];
            // Premultiplied source: its colour over its coverage, darkened by the water.
            auto ch = [&](int s, int dd) {
                const double sc = a > 0 ? s * 255.0 / a : 0.0;
                return std::clamp(static_cast<int>(dd + (sc * 0.7 - dd) * k), 0, 255);
            };
            line[x] = qRgb(ch(qRed(src), qRed(dst)), ch(qGreen(src), qGreen(dst)),
                           ch(qBlue(src), qBlue(dst)));
        }
    }
}

// Copies the sea back over the foot of the hull up to a wavy line, so the ship sits in the
// water instead of on it.
void closeWater(QImage& canvas, const QImage& sea, const ShipLayer& layer, const ShipPose& pose) {
    const double s = pose.scale;
    const QTransform& m = layer.map;
    const double x0 = std::min(m.map(QPointF(-52, 0)).x(), m.map(QPointF(52, 0)).x());
    const double x1 = std::max(m.map(QPointF(-52, 0)).x(), m.map(QPointF(52, 0)).x());
    const QTransform inverse = m.inverted();
    for (int x = std::max(0, static_cast<int>(x0));
         x < std::min(canvas.width(), static_cast<int>(x1) + 1); ++x) {
        const QPointF inv = inverse.map(QPointF(x, 0));
        const double wl = m.map(QPointF(inv.x(), 0.0)).y();
        const double lift =
            s * (0.25 + 0.25 * std::sin(x / (s * 2.2)) + 0.2 * noise(x / (s * 1.3), 0.5, 9u));
        const int top = static_cast<int>(wl - lift);
        const int bottom = static_cast<int>(wl + s * 1.6);
        for (int y = std::max(0, top); y < std::min(canvas.height(), bottom); ++y) {
            const QRgb under = reinterpret_cast<const QRgb*>(canvas.constScanLine(y))[x];
            const QRgb water = reinterpret_cast<const QRgb*>(sea.constScanLine(y))[x];
            const double k = y < top + 2 ? 0.6 : 1.0;  // a soft edge
            auto ch = [&](int a, int b) { return static_cast<int>(a + (b - a) * k); };
            reinterpret_cast<QRgb*>(canvas.scanLine(y))[x] =
                qRgb(ch(qRed(under), qRed(water)), ch(qGreen(under), qGreen(water)),
                     ch(qBlue(under), qBlue(water)));
        }
    }
}

void foam(QImage& canvas, const ShipLayer& layer, double amount, std::uint32_t seed) {
    if (amount <= 0) return;
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(layer.map);
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    // Along the hull a broken line of white where the water breaks against it.
    for (int i = 0; i < 160; ++i) {
        const double x = rng.range(-46, 48);
        const double bow = smoothstep(20, 48, x);
        const double len = rng.range(1.0, 3.5) * (1 + bow);
        const double y0 = rng.range(-0.3, 0.4);  // one draw at a time: see Rng
        const double y = y0 + bow * rng.range(0.0, 1.5);
        p.setBrush(QColor(240, 244, 242, static_cast<int>(rng.range(40, 150) * amount)));
        p.drawEllipse(QPointF(x, y), len, rng.range(0.12, 0.35) * (1 + bow));
    }
    // The bow wave, curling forward of the stem, and the wake aft.
    for (int i = 0; i < 70; ++i) {
        const double t = rng.uniform();
        const double x = 47 + t * 9;
        const double y = 1.4 * std::sin(t * M_PI) * rng.range(0.4, 1.1) - t * 0.4;
        p.setBrush(QColor(245, 248, 246, static_cast<int>(rng.range(60, 170) * amount)));
        const double ry = rng.range(0.2, 0.6);  // drawn before rx: see Rng
        p.drawEllipse(QPointF(x, y), rng.range(0.5, 1.8), ry);
    }
    for (int i = 0; i < 90; ++i) {
        const double t = rng.uniform();
        const double x = -46 - t * 22;
        const double y = rng.range(-0.4, 0.3) * (1 + t);
        p.setBrush(QColor(235, 240, 238, static_cast<int>(rng.range(30, 110) * amount * (1 - t))));
        const double ry = rng.range(0.15, 0.45);  // drawn before rx: see Rng
        p.drawEllipse(QPointF(x, y), rng.range(1.0, 3.5), ry);
    }
}

}  // namespace

void launch(QImage& canvas, const ShipLayer& layer, const ShipPose& pose, double haze,
            const QColor& hazeColour, double wake) {
    reflect(canvas, layer.image, pose.waterline.y(), pose.scale);
    const QImage sea = canvas;
    QImage ship = layer.image;
    tint(ship, hazeColour, haze);
    {
        QPainter p(&canvas);
        p.drawImage(0, 0, ship);
    }
    closeWater(canvas, sea, layer, pose);
    foam(canvas, layer, wake * (1.0 - haze), static_cast<std::uint32_t>(pose.scale * 1000));
}

}  // namespace draw
