#include "fire.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "noise.h"
#include "raster.h"
#include "rng.h"

namespace draw {

namespace {

QPainterPath tongue(QPointF base, double width, double height, double sway, double phase,
                    double curls) {
    const int steps = 24;
    auto centre = [&](double s) {
        return base + QPointF(sway * width * s * std::sin(s * M_PI * curls + phase), -height * s);
    };
    auto half = [&](double s) {
        return width / 2.0 * std::pow(std::sin(M_PI * (0.18 + 0.82 * s)), 0.7) *
               std::pow(1.0 - s, 0.45);
    };
    QPainterPath path;
    path.moveTo(centre(0) - QPointF(half(0), 0));
    for (int i = 1; i <= steps; ++i) {
        const double s = static_cast<double>(i) / steps;
        path.lineTo(centre(s) - QPointF(half(s), 0));
    }
    for (int i = steps; i >= 0; --i) {
        const double s = static_cast<double>(i) / steps;
        path.lineTo(centre(s) + QPointF(half(s), 0));
    }
    path.closeSubpath();
    return path;
}

}  // namespace

void scorchLayer(QImage& shipLayer, const Blaze& b) {
    QPainter p(&shipLayer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    const QPointF c = b.base - QPointF(0, b.height * 0.35);
    QRadialGradient soot(c, std::max(b.width, b.height) * 0.9);
    soot.setColorAt(0.0, QColor(12, 8, 6, 200));
    soot.setColorAt(0.5, QColor(25, 16, 10, 120));
    soot.setColorAt(1.0, QColor(25, 16, 10, 0));
    p.fillRect(shipLayer.rect(), soot);
    QRadialGradient lit(b.base, std::max(b.width, b.height) * 1.6);
    lit.setColorAt(0.0, QColor(255, 130, 40, 150));
    lit.setColorAt(0.5, QColor(255, 110, 30, 60));
    lit.setColorAt(1.0, QColor(255, 110, 30, 0));
    p.fillRect(shipLayer.rect(), lit);
}

void paintGlow(QImage& canvas, const Blaze& b, double strength) {
    QPainter p(&canvas);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    const double r = std::max(b.width, b.height) * 1.8;
    QRadialGradient g(b.base - QPointF(0, b.height * 0.4), r);
    g.setColorAt(0.0, QColor(150, 70, 20, static_cast<int>(170 * strength)));
    g.setColorAt(0.4, QColor(90, 35, 10, static_cast<int>(90 * strength)));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(canvas.rect(), g);
}

void paintFlames(QImage& canvas, const Blaze& b) {
    Rng rng(b.seed);
    struct Layer {
        QColor foot, middle, tip;
        double heightK, widthK;
        int count;
    };
    // From the back, dark red and tall, to the front, yellow-white and low.
    const Layer layers[] = {
        {QColor(200, 50, 10, 230), QColor(170, 30, 5, 170), QColor(90, 10, 0, 0), 1.0, 0.3, 14},
        {QColor(255, 120, 20, 240), QColor(240, 80, 10, 190), QColor(200, 40, 0, 0), 0.82, 0.24,
         16},
        {QColor(255, 200, 60, 250), QColor(255, 150, 30, 200), QColor(255, 90, 10, 0), 0.6, 0.18,
         16},
        {QColor(255, 250, 200, 255), QColor(255, 220, 110, 200), QColor(255, 170, 40, 0), 0.36,
         0.13, 12},
    };
    QImage back = newLayer(canvas);
    QImage front = newLayer(canvas);
    for (int li = 0; li < 4; ++li) {
        const Layer& l = layers[li];
        QPainter p(li < 2 ? &back : &front);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < l.count; ++i) {
            const double off = rng.range(-0.5, 0.5);
            const double x = b.base.x() + off * b.width * 0.9;
            const double h =
                b.height * l.heightK * rng.range(0.4, 1.0) * (1.0 - std::fabs(off) * 0.7);
            const double w = b.width * l.widthK * rng.range(0.6, 1.4);
            const QPointF foot(x, b.base.y() + rng.range(0.0, 0.06) * b.height);
            const double curls = rng.range(1.0, 2.6);  // drawn last to first: see Rng
            const double phase = rng.range(0, 2 * M_PI);
            const QPainterPath path = tongue(foot, w, h, rng.range(0.2, 0.7), phase, curls);
            QLinearGradient g(foot, foot - QPointF(0, h));
            g.setColorAt(0.0, l.foot);
            g.setColorAt(0.45, l.middle);
            g.setColorAt(1.0, l.tip);
            p.setBrush(g);
            p.drawPath(path);
        }
    }
    // The flames behind are seen through heat and smoke, so softer; all of them glow.
    blur(back, std::max(1, static_cast<int>(b.width * 0.015)));
    QImage bloom = back;
    {
        QPainter p(&bloom);
        p.drawImage(0, 0, front);
    }
    blur(bloom, std::max(2, static_cast<int>(b.width * 0.06)));
    QPainter p(&canvas);
    p.drawImage(0, 0, back);
    p.drawImage(0, 0, front);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setOpacity(0.55);
    p.drawImage(0, 0, bloom);
    p.setOpacity(1.0);
    // Sparks carried up by the heat.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const double t = rng.uniform();
        const QPointF c =
            b.base + QPointF(rng.range(-0.7, 0.7) * b.width * (1 + t), -b.height * (0.3 + 1.4 * t));
        const double r = std::max(0.6, b.width * 0.008 * rng.range(0.5, 1.5));
        p.setBrush(QColor(255, static_cast<int>(rng.range(120, 220)), 60,
                          static_cast<int>(220 * (1 - t))));
        p.drawEllipse(c, r, r);
    }
}

void paintPlume(QImage& canvas, const Plume& pl) {
    QImage layer = newLayer(canvas);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        Rng rng(pl.seed);
        const int puffs = 170;
        // From the top of the column down, so the newer, denser smoke lies in front.
        for (int i = puffs - 1; i >= 0; --i) {
            const double t = (i + rng.uniform()) / puffs;
            const double r = lerp(pl.startRadius, pl.endRadius, std::pow(t, 0.8));
            const double wander = fbm(t * 3.0, 0.5, pl.seed, 3) * pl.rise * 0.12;
            const double jitterY = rng.range(-0.4, 0.4) * r;  // drawn before x: see Rng
            const QPointF c =
                pl.base + QPointF(pl.drift * pl.rise * std::pow(t, 1.6) + wander, -pl.rise * t) +
                QPointF(rng.range(-0.6, 0.6) * r, jitterY);
            const double a = pl.density * (1.0 - 0.55 * t);
            // Each puff a soft ball lit from above, warm underneath near the fire.
            QRadialGradient g(c - QPointF(r * 0.25, r * 0.3), r * 1.1);
            const QColor top = mix(pl.dark, pl.light, 0.35 + 0.5 * t);
            const QColor under = mix(pl.dark, pl.fireLight, std::max(0.0, 0.6 - 2.0 * t));
            g.setColorAt(0.0, withAlpha(top, static_cast<int>(235 * a)));
            g.setColorAt(0.55, withAlpha(mix(top, under, 0.6), static_cast<int>(200 * a)));
            g.setColorAt(0.85, withAlpha(under, static_cast<int>(90 * a)));
            g.setColorAt(1.0, withAlpha(under, 0));
            p.setBrush(g);
            p.drawEllipse(c, r, r * 0.92);
        }
    }
    // Turbulence: the column is torn into wisps and holes.
    for (int y = 0; y < layer.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb px = line[x];
            if (qAlpha(px) == 0) continue;
            const double n =
                fbm01(x / (pl.endRadius * 0.35), y / (pl.endRadius * 0.35), pl.seed + 9u, 5);
            const double k = clamp01(0.35 + 1.1 * n);
            line[x] = qRgba(static_cast<int>(qRed(px) * k), static_cast<int>(qGreen(px) * k),
                            static_cast<int>(qBlue(px) * k), static_cast<int>(qAlpha(px) * k));
        }
    }
    QPainter p(&canvas);
    p.drawImage(0, 0, layer);
}

void paintFireReflection(QImage& canvas, const Blaze& b, double waterY) {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setPen(Qt::NoPen);
    Rng rng(b.seed + 5u);
    const double reach = b.height * 0.9;
    for (int i = 0; i < 90; ++i) {
        const double t = rng.uniform();
        const double y = waterY + 2.0 + t * reach;
        const double w = b.width * rng.range(0.15, 0.6) * (1.0 + t);
        const double x = b.base.x() + rng.range(-0.5, 0.5) * b.width * (1.0 + t * 0.5);
        p.setBrush(QColor(255, static_cast<int>(rng.range(90, 170)), 30,
                          static_cast<int>(110 * (1.0 - t))));
        p.drawEllipse(QPointF(x, y), w / 2, std::max(0.8, b.height * 0.012));
    }
}

}  // namespace draw
