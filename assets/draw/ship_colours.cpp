// The ship's colours: masthead pennants, the ensign at the stern and the stern lantern.
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "raster.h"
#include "ship_parts.h"

namespace draw::ship {

namespace {

// Cloth flying aft from its hoist (the wind comes from forward of the beam), shaded along its
// length by the slope of its waves.
void flyingCloth(QPainter& p, const Frame& f, QPointF hoist, double length, double height,
                 double taper, QColor field, const QColor* canton, double phase, double waves) {
    const int steps = 40;
    auto edge = [&](double t) {
        const double wave = std::sin(2.0 * M_PI * waves * t + phase) * height * 0.3 * t;
        return hoist + QPointF(-length * t, wave - height * 0.25 * t * t);
    };
    auto depth = [&](double t) { return height * (1.0 - taper * t); };
    auto outline = [&](double t1, double part) {
        QPainterPath path;
        path.moveTo(edge(0));
        for (int i = 1; i <= steps; ++i)
            path.lineTo(edge(t1 * i / steps));
        for (int i = steps; i >= 0; --i) {
            const double t = t1 * i / steps;
            path.lineTo(edge(t) - QPointF(0, depth(t) * part));
        }
        path.closeSubpath();
        return path;
    };
    QLinearGradient shade(hoist, hoist - QPointF(length, 0));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const QPointF a = edge(std::max(0.0, t - 0.01));
        const QPointF b = edge(std::min(1.0, t + 0.01));
        const double slope = (b.y() - a.y()) / (b.x() - a.x() + 1e-9);
        const double k = std::clamp(0.5 + 0.8 * slope * f.lightX, 0.0, 1.0);
        shade.setColorAt(t, k > 0.5 ? QColor(255, 255, 240, static_cast<int>((k - 0.5) * 150))
                                    : QColor(0, 0, 0, static_cast<int>((0.5 - k) * 220)));
    }
    p.setPen(Qt::NoPen);
    const QPainterPath whole = outline(1.0, 1.0);
    p.setBrush(field);
    p.drawPath(whole);
    if (canton) {
        p.setBrush(*canton);
        p.drawPath(outline(0.42, 0.5));
    }
    p.setBrush(shade);
    p.drawPath(whole);
}

}  // namespace

void paintColours(QPainter& p, const Frame& f) {
    const ShipDesign& s = f.s;
    double phase = 0.3;
    for (const MastDesign& m : s.masts) {
        if (m.pennant <= 0) continue;
        const QPointF hoist = f.mastPoint(m, m.height + 1.4);
        flyingCloth(p, f, hoist, m.pennant, s.pennantWidth, 0.88, s.pennant, nullptr, phase, 1.3);
        phase += 1.7;
    }
    if (s.ensignSize > 0) {
        const QPointF foot(-50.2, f.deckTop(-50.0) - 0.5);
        const QPointF top = foot + QPointF(-1.6, s.ensignSize * 0.8);
        p.setPen(QPen(QColor(70, 50, 30), f.line(0.35)));
        p.drawLine(foot, top);
        flyingCloth(p, f, top, s.ensignSize, s.ensignSize * 0.66, 0.05, s.ensign, &s.ensignCanton,
                    1.1, 0.7);
    }
    if (s.sternLantern) {
        const QPointF base(-48.8, f.deckTop(-48.8));
        p.setPen(QPen(s.trim.darker(150), f.line(0.25)));
        p.drawLine(base, base + QPointF(0, 1.6));
        QPolygonF lantern;
        lantern << base + QPointF(-0.7, 1.6) << base + QPointF(0.7, 1.6)
                << base + QPointF(0.95, 3.4) << base + QPointF(0, 4.2)
                << base + QPointF(-0.95, 3.4);
        p.setPen(QPen(s.trim.darker(140), f.line(0.15)));
        p.setBrush(QColor(252, 226, 150));
        p.drawPolygon(lantern);
    }
}

}  // namespace draw::ship
