#include "ship.h"

#include <algorithm>
#include <cmath>

#include "raster.h"
#include "ship_parts.h"

namespace draw {

namespace ship {

double Frame::mainTop(double x) const {
    const double aft = std::max(0.0, -x / 50.0);
    const double fore = std::max(0.0, x / 50.0);
    return s.freeboard + s.sternSheer * aft * aft + s.bowSheer * fore * fore;
}

double Frame::deckTop(double x) const {
    double top = mainTop(x);
    for (const DeckStep& c : s.castles) {
        top += c.height * smoothstep(c.x0 - 1.2, c.x0 + 1.2, x) *
               (1.0 - smoothstep(c.x1 - 1.2, c.x1 + 1.2, x));
    }
    return top;
}

QPointF Frame::mastPoint(const MastDesign& m, double h) const {
    const double lean = std::tan(m.rake * M_PI / 180.0);
    return {m.x - lean * h, mainTop(m.x) + h};
}

QPointF Frame::bowspritPoint(double f) const {
    const double a = s.bowspritAngle * M_PI / 180.0;
    const QPointF heel(40.0, mainTop(40.0) + 0.6);
    return heel + QPointF(std::cos(a), std::sin(a)) * (s.bowsprit + 10.0) * f;
}

QPainterPath blob(QPointF centre, double radius, double jag, Rng& rng, int points) {
    QPainterPath path;
    std::vector<QPointF> pts;
    const double turn = rng.range(0.0, 2.0 * M_PI);
    for (int i = 0; i < points; ++i) {
        const double a = turn + 2.0 * M_PI * i / points;
        const double r = radius * (1.0 + jag * rng.range(-1.0, 1.0));
        pts.emplace_back(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    }
    // Through the midpoints, with the points as controls: a smooth closed outline.
    const QPointF start = (pts.back() + pts.front()) / 2.0;
    path.moveTo(start);
    for (int i = 0; i < points; ++i) {
        const QPointF& c = pts[i];
        const QPointF& n = pts[(i + 1) % points];
        path.quadTo(c, (c + n) / 2.0);
    }
    path.closeSubpath();
    return path;
}

}  // namespace ship

QTransform paintShip(QPainter& p, const ShipDesign& design, const ShipPose& pose) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(pose.waterline);
    p.rotate(pose.facingLeft ? -pose.heel : pose.heel);
    p.scale(pose.facingLeft ? -pose.scale : pose.scale, -pose.scale);
    const QTransform map = p.transform();

    const ship::Frame frame{design, pose.facingLeft ? 1.0 : -1.0, 1.0 / pose.scale};
    Rng rng(design.seed);
    ship::paintMasts(p, frame);
    ship::paintSails(p, frame, rng);
    ship::paintHull(p, frame, rng);
    ship::paintRigging(p, frame);
    ship::paintMastTops(p, frame);
    ship::paintColours(p, frame);
    p.restore();
    return map;
}

QRectF shipExtent(const ShipDesign& design) {
    const ship::Frame f{design, -1.0, 0.1};
    double top = design.freeboard;
    double left = -52.0 - design.ensignSize;
    for (const MastDesign& m : design.masts) {
        top = std::max(top, f.mastPoint(m, m.height).y() + 2.0);
        left = std::min(left, f.mastPoint(m, m.height).x() - m.pennant);
        if (m.spanker || m.rig != Rig::Square) {
            left = std::min(left, m.x - m.yard * 0.75);
        }
    }
    const double right = f.bowspritPoint(1.0).x() + 1.0;
    return QRectF(QPointF(left, top), QPointF(right, -1.0)).normalized();
}

}  // namespace draw
