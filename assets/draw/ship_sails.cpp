// The sails: square sails, lug and lateen sails, the spanker, the jibs and the spritsail,
// painted as billowing cloth with seams, shading, shot holes and burns.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "noise.h"
#include "raster.h"
#include "ship_parts.h"

namespace draw::ship {

namespace {

QPointF lerpPt(QPointF a, QPointF b, double t) {
    return a + (b - a) * t;
}

// Soft light and dark blotches, laid over sails so no two look machine-made.
QBrush canvasBrush(Rng& rng) {
    static const QImage tex = [] {
        QImage img(512, 512, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const double n = fbm(x / 90.0, y / 90.0, 77u, 5);
                const int v = std::clamp(static_cast<int>(128 + 150 * n), 0, 255);
                img.setPixel(x, y, qRgb(v, v, v));
            }
        }
        return img;
    }();
    QBrush brush(tex);
    QTransform t;
    const double dy = rng.range(0, 256);  // drawn before dx: see Rng
    t.translate(rng.range(0, 256), dy);
    t.scale(0.12, 0.12);
    brush.setTransform(t);
    return brush;
}

// A shot hole: torn, with points of cloth pulled inwards.
QPainterPath ragged(QPointF c, double r, Rng& rng) {
    QPolygonF poly;
    const int points = 13;
    const double turn = rng.range(0.0, 2.0 * M_PI);
    for (int i = 0; i < points; ++i) {
        const double a = turn + 2.0 * M_PI * (i + rng.range(-0.3, 0.3)) / points;
        const double k = rng.uniform() < 0.4 ? rng.range(0.45, 0.75) : rng.range(0.8, 1.2);
        poly << c + QPointF(std::cos(a), std::sin(a)) * r * k;
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

// The four corners of a sail (top aft, top fore, foot fore, foot aft) and its curved edges.
struct Sail {
    QPointF ta, tf, ff, fa;
    double foreCurve;  // outward curve of the fore edge
    double aftCurve;   // outward curve of the aft edge
    double belly;      // downward curve of the foot
    bool reef = false;
    bool vertical = true;  // seams run down the sail, else parallel to the foot

    QPainterPath path() const {
        QPainterPath p;
        p.moveTo(ta);
        p.lineTo(tf);  // the head is laced to a straight yard or stay
        p.quadTo((tf + ff) / 2.0 + QPointF(foreCurve, 0), ff);
        p.quadTo((ff + fa) / 2.0 + QPointF(0, -belly), fa);
        p.quadTo((fa + ta) / 2.0 + QPointF(-aftCurve, 0), ta);
        p.closeSubpath();
        return p;
    }
    QPointF at(double u, double v) const {  // u along the head, v down the sail
        return lerpPt(lerpPt(ta, tf, u), lerpPt(fa, ff, u), v);
    }
};

void paintSail(QPainter& p, const Frame& f, const Sail& sail, Rng& rng) {
    const ShipDesign& s = f.s;
    const QPainterPath shape = sail.path();
    const QRectF box = shape.boundingRect();
    const double width = box.width();

    QPainterPath holes;
    std::vector<std::pair<QPointF, double>> shots;
    for (int k = 0; k < s.sailHoles; ++k) {
        const double v = rng.range(0.15, 0.85);  // drawn before u: see Rng
        const QPointF c = sail.at(rng.range(0.15, 0.85), v);
        const double r = std::max(width, box.height()) * rng.range(0.025, 0.06);
        shots.emplace_back(c, r);
        holes.addPath(ragged(c, r, rng));
    }
    QPainterPath burns;
    for (const Scorch& sc : s.scorches) {
        if (box.adjusted(-sc.radius, -sc.radius, sc.radius, sc.radius).contains(sc.centre)) {
            burns.addPath(blob(sc.centre, sc.radius * 0.42, 0.45, rng, 11));
        }
    }
    QPainterPath cloth = shape;
    if (!holes.isEmpty()) cloth = cloth.subtracted(holes);
    if (!burns.isEmpty()) cloth = cloth.subtracted(burns);

    // A soft shadow on whatever lies behind, away from the light: the sails stand apart.
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    for (int k = 1; k <= 3; ++k) {
        p.setBrush(QColor(20, 24, 30, 26));
        p.drawPath(cloth.translated(-f.lightX * 0.5 * k, -0.35 * k));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    p.save();
    p.setClipPath(cloth, Qt::IntersectClip);
    const QColor base = mix(s.sail, s.sail.darker(112), rng.uniform() * 0.5);
    const double litX = f.lightX < 0 ? box.left() : box.right();
    const double darkX = f.lightX < 0 ? box.right() : box.left();
    // Across the sail: the wind-filled belly is brightest a third of the way from the lit edge
    // and turns away from the light towards the far edge.
    QLinearGradient body(litX, 0, darkX, 0);
    // Warm where the sun falls, cool where the shadow takes the blue of the sky.
    const QColor warm = mix(base, QColor(255, 236, 196), 0.25);
    const QColor cool = mix(base.darker(150), QColor(70, 90, 120), 0.25);
    body.setColorAt(0.0, base.darker(104));
    body.setColorAt(0.3, warm.lighter(106));
    body.setColorAt(0.65, mix(base, cool, 0.35));
    body.setColorAt(1.0, cool);
    p.fillRect(box, body);
    QRadialGradient light(QPointF(lerp(litX, darkX, 0.32), lerp(box.bottom(), box.top(), 0.45)),
                          std::max(width, box.height()) * 0.55);
    light.setColorAt(0.0, QColor(255, 253, 245, 70));
    light.setColorAt(1.0, QColor(255, 253, 245, 0));
    p.fillRect(box, light);
    // Blotches of weathered canvas.
    p.setOpacity(0.35);
    p.setCompositionMode(QPainter::CompositionMode_SoftLight);
    p.fillRect(box, canvasBrush(rng));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(1.0);
    // The yard above shades the head; the foot curls away from the light.
    QLinearGradient under(0, box.bottom(), 0, box.bottom() - box.height() * 0.22);
    under.setColorAt(0.0, QColor(40, 32, 24, 110));
    under.setColorAt(1.0, QColor(40, 32, 24, 0));
    p.fillRect(box, under);
    QLinearGradient foot(0, box.top() + box.height() * 0.4, 0, box.top());
    foot.setColorAt(0.0, QColor(40, 32, 24, 0));
    foot.setColorAt(0.85, QColor(40, 32, 24, 55));
    foot.setColorAt(1.0, QColor(255, 250, 235, 40));
    p.fillRect(box, foot);
    // Folds hanging from the head where the cloth is gathered to the yard.
    const int folds = 3 + rng.below(3);
    for (int k = 0; k < folds; ++k) {
        const double u = rng.range(0.1, 0.9);
        const QPointF a = sail.at(u, 0.0);
        const double v = rng.range(0.2, 0.45);  // drawn before the sway: see Rng
        const QPointF b = sail.at(u + rng.range(-0.05, 0.05), v);
        QLinearGradient g(a, b);
        g.setColorAt(0.0, QColor(50, 40, 30, 70));
        g.setColorAt(1.0, QColor(50, 40, 30, 0));
        p.setPen(QPen(QBrush(g), width * rng.range(0.015, 0.03), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    }

    // Seams of the cloths, following the curve of the wind-filled sail.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(s.sail.darker(150), 90), f.line(0.08)));
    const int cloths = std::max(4, static_cast<int>(width / 2.4));
    for (int k = 1; k < cloths; ++k) {
        const double u = static_cast<double>(k) / cloths;
        QPainterPath seam;
        if (sail.vertical) {
            const QPointF a = sail.at(u, 0.0);
            const QPointF b = sail.at(u, 1.0);
            seam.moveTo(a);
            seam.quadTo(
                (a + b) / 2.0 + QPointF(lerp(-sail.aftCurve, sail.foreCurve, u), -sail.belly * 0.5),
                b);
        } else {
            const QPointF a = sail.at(0.0, u);
            const QPointF b = sail.at(1.0, u);
            seam.moveTo(a);
            seam.quadTo((a + b) / 2.0 + QPointF(0, -sail.belly * u), b);
        }
        p.drawPath(seam);
    }
    if (sail.reef) {
        const QPointF a = sail.at(0.02, 0.16);
        const QPointF b = sail.at(0.98, 0.16);
        p.setPen(QPen(withAlpha(s.sail.darker(160), 120), f.line(0.1)));
        p.drawLine(a, b);
        for (int k = 1; k < 12; ++k) {
            const QPointF c = lerpPt(a, b, k / 12.0);
            p.drawLine(c, c - QPointF(0, 0.8));
        }
    }
    // Powder-blackened, frayed cloth around each shot hole.
    for (const auto& [c, r] : shots) {
        QRadialGradient soot(c, r * 2.0);
        soot.setColorAt(0.4, QColor(40, 30, 22, 150));
        soot.setColorAt(1.0, QColor(40, 30, 22, 0));
        p.fillRect(box, soot);
    }
    for (const Scorch& sc : s.scorches) {
        QRadialGradient charred(sc.centre, sc.radius);
        charred.setColorAt(0.0, QColor(18, 10, 6, 240));
        charred.setColorAt(0.45, QColor(40, 24, 12, 210));
        charred.setColorAt(0.8, QColor(110, 70, 30, 90));
        charred.setColorAt(1.0, QColor(110, 70, 30, 0));
        p.fillRect(box, charred);
    }
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(s.sail.darker(175), 200), f.line(0.14)));
    p.drawPath(cloth);
    if (!holes.isEmpty()) {
        p.save();
        p.setClipPath(shape, Qt::IntersectClip);
        p.setPen(QPen(QColor(34, 26, 20, 230), f.line(0.3)));
        p.drawPath(holes);
        p.restore();
    }
    if (!burns.isEmpty()) {
        p.save();
        p.setClipPath(shape, Qt::IntersectClip);
        p.setPen(QPen(QColor(20, 12, 8, 230), f.line(0.6)));
        p.drawPath(burns);
        p.setPen(QPen(QColor(255, 150, 50, 230), f.line(0.22)));
        p.drawPath(burns);
        p.restore();
    }
}

void squareSails(QPainter& p, const Frame& f, const MastDesign& m, Rng& rng) {
    const MastPlan plan = MastPlan::of(m);
    const double H = m.height;
    const int n = std::min(m.squareSails, 4);
    for (int i = 0; i < n; ++i) {
        if (i == 0 && !m.course) continue;
        const double topH = plan.yardAt[i] * H;
        const double topW = m.yard * plan.yardLength[i];
        double footH;
        double footW;
        if (i == 0) {
            footH = std::max(0.1 * H, f.deckTop(m.x) - f.mainTop(m.x) + 2.0);
            footW = topW * 1.06;
        } else {
            footH = plan.yardAt[i - 1] * H + 0.6;
            footW = m.yard * plan.yardLength[i - 1] * 0.96;
        }
        const QPointF top = f.mastPoint(m, topH);
        const QPointF bottom = f.mastPoint(m, footH);
        Sail sail{top - QPointF(topW / 2, 0),
                  top + QPointF(topW / 2, 0),
                  bottom + QPointF(footW / 2, 0),
                  bottom - QPointF(footW / 2, 0),
                  topW * 0.05,
                  topW * 0.05,
                  (topH - footH) * 0.1};
        sail.reef = i == 1 || (i == 0 && n <= 2);
        paintSail(p, f, sail, rng);
    }
    for (int i = 0; i < n; ++i) {
        const auto [c, half] = yardOf(f, m, plan, i);
        paintYard(p, f, c - QPointF(half, 0), c + QPointF(half, 0));
    }
}

void spanker(QPainter& p, const Frame& f, const MastDesign& m, Rng& rng) {
    const double H = m.height;
    const double L = m.yard * 0.95;
    const QPointF throat = f.mastPoint(m, 0.44 * H);
    const QPointF peak = throat + QPointF(-0.6 * L, 0.16 * H);
    const QPointF tack = f.mastPoint(m, std::max(0.09 * H, f.deckTop(m.x) - f.mainTop(m.x) + 1.5));
    const QPointF clew = tack + QPointF(-0.78 * L, 0.01 * H);
    Sail sail{peak, throat, tack, clew, 0.0, L * 0.04, 0.8};
    sail.vertical = false;
    paintSail(p, f, sail, rng);
    paintYard(p, f, throat, peak);
    paintYard(p, f, tack, clew - QPointF(2.0, 0));
}

void lugSail(QPainter& p, const Frame& f, const MastDesign& m, Rng& rng) {
    const double H = m.height;
    const double L = m.yard;  // length of the foot
    const double a = 30.0 * M_PI / 180.0;
    const QPointF dir(-std::cos(a), std::sin(a));  // along the yard, rising aft
    const double footH = std::max(2.0, f.deckTop(m.x) - f.mainTop(m.x) + 1.5);
    const QPointF tack = f.mastPoint(m, footH) + QPointF(0.14 * L, 0);
    const QPointF throat = f.mastPoint(m, 0.66 * H) + QPointF(0.16 * L, 0);
    const QPointF peak = throat + dir * (0.72 * L);
    const QPointF clew = tack + QPointF(-0.86 * L, 0.03 * H);
    Sail sail{peak, throat, tack, clew, L * 0.02, L * 0.05, 1.0};
    paintSail(p, f, sail, rng);
    paintYard(p, f, throat - dir * 0.8, peak + dir * 0.4);
}

void lateenSail(QPainter& p, const Frame& f, const MastDesign& m, Rng& rng) {
    const double H = m.height;
    const double L = m.yard;
    const double a = 38.0 * M_PI / 180.0;
    const QPointF dir(-std::cos(a), std::sin(a));
    const QPointF cross = f.mastPoint(m, 0.55 * H);
    const QPointF low = cross - dir * (0.42 * L);
    const QPointF high = cross + dir * (0.58 * L);
    const QPointF clew(cross.x() - 0.42 * L, f.mainTop(m.x) + 0.18 * H);
    // A triangle: the head along the yard, its foot corner doubled.
    Sail sail{high, low, low, clew, 0.0, L * 0.05, 0.6};
    sail.vertical = false;
    paintSail(p, f, sail, rng);
    paintYard(p, f, low - dir * 1.0, high + dir * 0.8);
}

void jibs(QPainter& p, const Frame& f, Rng& rng) {
    const ShipDesign& s = f.s;
    if (s.masts.empty() || s.jibs <= 0) return;
    const MastDesign& fore = s.masts.back();
    const MastPlan plan = MastPlan::of(fore);
    for (int j = 0; j < s.jibs; ++j) {
        const double t = s.jibs == 1 ? 0.8 : 0.5 + 0.5 * (j + 1) / s.jibs;
        const QPointF tack = f.bowspritPoint(t);
        const double headH = fore.rig == Rig::Square
                                 ? (j == 0 ? plan.lowerTop : plan.topmastHead) * fore.height
                                 : fore.height * (0.75 + 0.08 * j);
        const QPointF head = f.mastPoint(fore, headH);
        const QPointF base = f.mastPoint(fore, 0.0);
        const QPointF clew =
            base + QPointF((tack.x() - base.x()) * 0.32, fore.height * (0.1 + 0.06 * j) + 2.0);
        Sail sail{head, tack, tack, clew, 0.0, fore.height * 0.03, 0.8};
        sail.vertical = false;
        paintSail(p, f, sail, rng);
    }
}

void spritsail(QPainter& p, const Frame& f, Rng& rng) {
    const QPointF yard = f.bowspritPoint(0.5) - QPointF(0, 0.6);
    const double w = 16.0;
    const double drop = (yard.y() - 3.0) * 0.75;
    Sail sail{yard - QPointF(w / 2, 0),
              yard + QPointF(w / 2, 0),
              yard + QPointF(w * 0.62, -drop),
              yard - QPointF(w * 0.4, drop),
              2.2,
              0.4,
              1.6};
    paintSail(p, f, sail, rng);
    paintYard(p, f, yard - QPointF(w / 2 + 0.5, 0), yard + QPointF(w / 2 + 0.5, 0));
}

}  // namespace

void paintSails(QPainter& p, const Frame& f, Rng& rng) {
    for (const MastDesign& m : f.s.masts) {
        switch (m.rig) {
            case Rig::Square:
                if (m.spanker) spanker(p, f, m, rng);
                squareSails(p, f, m, rng);
                break;
            case Rig::Lug:
                lugSail(p, f, m, rng);
                break;
            case Rig::Lateen:
                lateenSail(p, f, m, rng);
                break;
        }
    }
    jibs(p, f, rng);
    if (f.s.spritsail) spritsail(p, f, rng);
}

}  // namespace draw::ship
