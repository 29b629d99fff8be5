// Masts, yards, tops and the standing rigging: everything of wood and rope above the hull
// except the sails.
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "raster.h"
#include "ship_parts.h"

namespace draw::ship {

MastPlan MastPlan::of(const MastDesign& m) {
    if (m.squareSails <= 2) {
        return {0.56, 0.97, 2, {0.53, 0.93, 0.99, 1.0}, {1.0, 0.62, 0.4, 0.3}};
    }
    return {0.45, 0.75, 3, {0.43, 0.71, 0.9, 0.985}, {1.0, 0.8, 0.58, 0.42}};
}

namespace {

const QColor kMastWood(142, 104, 60);
const QColor kYardWood(58, 42, 28);

// A round spar between two points, shaded across its width.
void spar(QPainter& p, const Frame& f, QPointF a, QPointF b, double wa, double wb, QColor c) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF n(-d.y() / len, d.x() / len);
    QPolygonF poly;
    poly << a + n * (wa / 2) << b + n * (wb / 2) << b - n * (wb / 2) << a - n * (wa / 2);
    QLinearGradient g(a + n * (wa / 2), a - n * (wa / 2));
    const bool lit = n.x() * f.lightX > 0;
    g.setColorAt(0.0, lit ? c.lighter(140) : c.darker(150));
    g.setColorAt(0.45, c);
    g.setColorAt(1.0, lit ? c.darker(170) : c.lighter(125));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(poly);
}

void rope(QPainter& p, const Frame& f, QPointF a, QPointF b, double width, int alpha = 230) {
    p.setPen(QPen(withAlpha(f.s.rope, alpha), f.line(width), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

const MastDesign* mastForward(const Frame& f, std::size_t i) {
    return i + 1 < f.s.masts.size() ? &f.s.masts[i + 1] : nullptr;
}

const MastDesign* mastAft(const Frame& f, std::size_t i) {
    return i > 0 ? &f.s.masts[i - 1] : nullptr;
}

void squareMast(QPainter& p, const Frame& f, const MastDesign& m) {
    const MastPlan plan = MastPlan::of(m);
    const double H = m.height;
    const double w = f.s.mastWidth;
    spar(p, f, f.mastPoint(m, -f.s.freeboard * 0.5), f.mastPoint(m, plan.lowerTop * H + 0.8), w,
         w * 0.85, kMastWood);
    if (plan.sections == 2) {
        spar(p, f, f.mastPoint(m, plan.lowerTop * H - 3), f.mastPoint(m, H + 1.5), w * 0.7, w * 0.3,
             kMastWood);
    } else {
        spar(p, f, f.mastPoint(m, plan.lowerTop * H - 3), f.mastPoint(m, plan.topmastHead * H),
             w * 0.72, w * 0.6, kMastWood);
        spar(p, f, f.mastPoint(m, plan.topmastHead * H - 3), f.mastPoint(m, H + 1.5), w * 0.5,
             w * 0.25, kMastWood);
    }
}

void singleMast(QPainter& p, const Frame& f, const MastDesign& m) {
    const double w = f.s.mastWidth;
    spar(p, f, f.mastPoint(m, -f.s.freeboard * 0.5), f.mastPoint(m, m.height + 1.0), w, w * 0.4,
         kMastWood);
}

}  // namespace

void paintMasts(QPainter& p, const Frame& f) {
    const QPointF heel = f.bowspritPoint(0.0);
    spar(p, f, heel - QPointF(6, 1.5), f.bowspritPoint(0.8), f.s.mastWidth * 0.9,
         f.s.mastWidth * 0.55, kMastWood);
    spar(p, f, f.bowspritPoint(0.6), f.bowspritPoint(1.0), f.s.mastWidth * 0.45,
         f.s.mastWidth * 0.25, kMastWood);
    for (const MastDesign& m : f.s.masts) {
        if (m.rig == Rig::Square) {
            squareMast(p, f, m);
        } else {
            singleMast(p, f, m);
        }
    }
}

void paintYard(QPainter& p, const Frame& f, QPointF a, QPointF b) {
    const double w = f.s.mastWidth * 0.55;
    const QPointF mid = (a + b) / 2.0;
    spar(p, f, mid, a, w, w * 0.45, kYardWood);
    spar(p, f, mid, b, w, w * 0.45, kYardWood);
}

void paintMastTops(QPainter& p, const Frame& f) {
    for (const MastDesign& m : f.s.masts) {
        if (m.rig != Rig::Square) continue;
        const MastPlan plan = MastPlan::of(m);
        const QPointF top = f.mastPoint(m, plan.lowerTop * m.height);
        const double half = MastPlan::topHalf(m);
        p.setPen(Qt::NoPen);
        p.setBrush(kYardWood.darker(130));
        p.drawRect(QRectF(top.x() - half, top.y() - 0.35, half * 2, 0.8));
        if (plan.sections == 3) {
            const QPointF tree = f.mastPoint(m, plan.topmastHead * m.height);
            p.drawRect(QRectF(tree.x() - half * 0.6, tree.y() - 0.2, half * 1.2, 0.45));
        }
    }
}

void paintRigging(QPainter& p, const Frame& f) {
    const ShipDesign& s = f.s;
    for (std::size_t i = 0; i < s.masts.size(); ++i) {
        const MastDesign& m = s.masts[i];
        const double H = m.height;
        const MastDesign* fwd = mastForward(f, i);
        if (m.rig != Rig::Square) {
            // A light mast: one stay forward and a pair of shrouds.
            const QPointF head = f.mastPoint(m, H * 0.92);
            const QPointF to = fwd ? f.mastPoint(*fwd, 0.0) : f.bowspritPoint(0.75);
            rope(p, f, head, to, 0.2);
            rope(p, f, head, QPointF(m.x - 3.5, f.mainTop(m.x - 3.5) - 0.6), 0.18);
            rope(p, f, head, QPointF(m.x - 6.5, f.mainTop(m.x - 6.5) - 0.6), 0.18);
            continue;
        }
        const MastPlan plan = MastPlan::of(m);
        const QPointF top = f.mastPoint(m, plan.lowerTop * H - 0.4);
        // Lower shrouds fanning down to the channel, crossed by ratlines.
        const int shrouds = 5;
        QPointF feet[shrouds];
        for (int k = 0; k < shrouds; ++k) {
            const double x = m.x - 6 + k * 2.2;
            feet[k] = QPointF(x, f.mainTop(x) - 0.9);
            rope(p, f, top + QPointF((k - 2) * 0.25, 0), feet[k], 0.17);
        }
        const double span = top.y() - feet[0].y();
        for (double y = feet[0].y() + 1.2; y < top.y() - 1.0; y += 1.1) {
            const double t = (y - feet[0].y()) / span;
            const QPointF a = feet[0] + (top - feet[0]) * t;
            const QPointF b = feet[shrouds - 1] + (top - feet[shrouds - 1]) * t;
            rope(p, f, a, b, 0.08, 120);
        }
        // Topmast shrouds from the crosstrees to the edges of the top.
        const double half = MastPlan::topHalf(m);
        const QPointF tree = f.mastPoint(m, plan.topmastHead * H - 0.3);
        for (int k = 0; k < 3; ++k) {
            rope(p, f, tree, top + QPointF(-half + k * half, 0.3), 0.12, 200);
        }
        // Backstays to the hull aft of the mast.
        rope(p, f, tree, QPointF(m.x - 11, f.mainTop(m.x - 11)), 0.16, 200);
        rope(p, f, f.mastPoint(m, H), QPointF(m.x - 14, f.mainTop(m.x - 14)), 0.14, 180);
        // Stays forward: to the next mast, or to the bowsprit from the foremast.
        if (fwd) {
            const MastPlan fp = MastPlan::of(*fwd);
            rope(p, f, top, f.mastPoint(*fwd, 1.5), 0.24);
            rope(p, f, tree, f.mastPoint(*fwd, fp.lowerTop * fwd->height), 0.18);
            rope(p, f, f.mastPoint(m, H), f.mastPoint(*fwd, fp.topmastHead * fwd->height), 0.14);
        } else {
            rope(p, f, top, f.bowspritPoint(0.45), 0.26);
            rope(p, f, tree, f.bowspritPoint(0.78), 0.2);
            rope(p, f, f.mastPoint(m, H), f.bowspritPoint(1.0), 0.16);
        }
        // Lifts from the yardarms to the mast, and braces leading aft.
        const MastDesign* aft = mastAft(f, i);
        const int yards = std::min(m.squareSails, 4);
        for (int y = 0; y < yards; ++y) {
            const auto [c, half] = yardOf(f, m, plan, y);
            const QPointF above = f.mastPoint(m, std::min(plan.yardAt[y] * H + 3.5, H));
            rope(p, f, c + QPointF(-half, 0), above, 0.09, 150);
            rope(p, f, c + QPointF(half, 0), above, 0.09, 150);
            if (aft) {
                rope(p, f, c + QPointF(-half, 0), f.mastPoint(*aft, plan.yardAt[y] * aft->height),
                     0.08, 110);
            }
        }
    }
    // Bobstay under the bowsprit.
    rope(p, f, f.bowspritPoint(0.55), QPointF(49.0, f.mainTop(49.0) * 0.35), 0.2);
}

}  // namespace draw::ship
