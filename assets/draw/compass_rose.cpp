#include "compass_rose.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "heraldry.h"
#include "raster.h"

namespace draw {

namespace {

const QColor kInk(52, 34, 20);
const QColor kRed(150, 40, 30);
const QColor kGreen(60, 90, 50);
const QColor kPale(236, 220, 180);

QPointF polar(QPointF c, double r, double angle) {  // 0 is north, clockwise
    return c + QPointF(r * std::sin(angle), -r * std::cos(angle));
}

// One point of the star, split along its axis into a lit and a shaded half.
void starPoint(QPainter& p, QPointF c, double angle, double length, double width, QColor lit,
               QColor dark) {
    const QPointF tip = polar(c, length, angle);
    const QPointF left = polar(c, width, angle - M_PI / 2);
    const QPointF right = polar(c, width, angle + M_PI / 2);
    p.setPen(QPen(kInk, std::max(0.6, length * 0.008)));
    p.setBrush(lit);
    p.drawPolygon(QPolygonF({c, left, tip}));
    p.setBrush(dark);
    p.drawPolygon(QPolygonF({c, tip, right}));
}

}  // namespace

void paintCompassRose(QPainter& p, QPointF c, double r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Rings with the degrees ticked around them.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, r * 0.012));
    p.drawEllipse(c, r * 0.98, r * 0.98);
    p.drawEllipse(c, r * 0.88, r * 0.88);
    p.setPen(QPen(withAlpha(kInk, 200), r * 0.006));
    p.drawEllipse(c, r * 0.84, r * 0.84);
    for (int i = 0; i < 128; ++i) {
        const double a = 2 * M_PI * i / 128;
        const double in = i % 4 == 0 ? 0.88 : 0.93;
        p.drawLine(polar(c, r * in, a), polar(c, r * 0.98, a));
    }
    // The quarter-winds, the half-winds, then the eight winds on top.
    for (int i = 0; i < 16; ++i) {
        starPoint(p, c, 2 * M_PI * (i + 0.5) / 16, r * 0.6, r * 0.05, kPale, kGreen.lighter(130));
    }
    for (int i = 0; i < 8; ++i) {
        starPoint(p, c, 2 * M_PI * (i + 0.5) / 8, r * 0.72, r * 0.08, kPale, kRed);
    }
    for (int i = 0; i < 8; ++i) {
        const bool cardinal = i % 2 == 0;
        starPoint(p, c, 2 * M_PI * i / 8, r * (cardinal ? 0.86 : 0.78), r * (cardinal ? 0.12 : 0.1),
                  cardinal ? QColor(226, 190, 96) : kPale, kInk.lighter(140));
    }
    // The hub.
    QRadialGradient hub(c, r * 0.07);
    hub.setColorAt(0.0, QColor(250, 230, 160));
    hub.setColorAt(1.0, QColor(170, 120, 50));
    p.setPen(QPen(kInk, r * 0.01));
    p.setBrush(hub);
    p.drawEllipse(c, r * 0.065, r * 0.065);
    // A lily marks the north, a small cross the east.
    const double s = r * 0.3;
    const QRectF lily(c.x() - s / 2, c.y() - r * 1.0 - s * 1.05, s, s * 1.1);
    paintCharge(p, fleurDeLis(lily), gold(lily), r * 0.01);
    const QPointF east = polar(c, r * 1.09, M_PI / 2);
    p.setPen(QPen(kRed, r * 0.025, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(east + QPointF(0, -r * 0.07), east + QPointF(0, r * 0.07));
    p.drawLine(east + QPointF(-r * 0.05, -r * 0.02), east + QPointF(r * 0.05, -r * 0.02));
    p.restore();
}

}  // namespace draw
