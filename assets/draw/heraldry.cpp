#include "heraldry.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace draw {

namespace {

// Maps unit-box coordinates into `box`.
struct Box {
    QRectF r;
    QPointF operator()(double x, double y) const {
        return {r.left() + x * r.width(), r.top() + y * r.height()};
    }
};

QPainterPath polygon(const Box& b, std::initializer_list<std::pair<double, double>> pts) {
    QPolygonF poly;
    for (const auto& [x, y] : pts)
        poly << b(x, y);
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

// The mirror image of a path about the box's vertical centre line.
QPainterPath mirrored(const QPainterPath& path, const QRectF& box) {
    QTransform t;
    t.translate(box.center().x(), 0);
    t.scale(-1, 1);
    t.translate(-box.center().x(), 0);
    return t.map(path);
}

}  // namespace

QPainterPath fleurDeLis(const QRectF& box) {
    const Box b{box};
    QPainterPath petal;  // the tall middle petal
    petal.moveTo(b(0.5, 0.0));
    petal.cubicTo(b(0.74, 0.14), b(0.71, 0.38), b(0.57, 0.57));
    petal.lineTo(b(0.43, 0.57));
    petal.cubicTo(b(0.29, 0.38), b(0.26, 0.14), b(0.5, 0.0));
    QPainterPath side;  // the right petal, curling out and down
    side.moveTo(b(0.52, 0.58));
    side.cubicTo(b(0.52, 0.3), b(0.8, 0.1), b(0.97, 0.25));
    side.cubicTo(b(1.06, 0.36), b(0.98, 0.56), b(0.82, 0.52));
    side.cubicTo(b(0.9, 0.45), b(0.88, 0.36), b(0.81, 0.38));
    side.cubicTo(b(0.74, 0.41), b(0.72, 0.5), b(0.72, 0.58));
    side.closeSubpath();
    QPainterPath band;
    band.addRoundedRect(QRectF(b(0.24, 0.55), b(0.76, 0.67)), box.width() * 0.03,
                        box.width() * 0.03);
    QPainterPath foot;  // the three small lobes under the band
    foot.moveTo(b(0.42, 0.66));
    foot.cubicTo(b(0.42, 0.8), b(0.5, 0.87), b(0.5, 0.98));
    foot.cubicTo(b(0.5, 0.87), b(0.58, 0.8), b(0.58, 0.66));
    foot.closeSubpath();
    QPainterPath toe;
    toe.moveTo(b(0.58, 0.66));
    toe.cubicTo(b(0.64, 0.74), b(0.76, 0.78), b(0.84, 0.7));
    toe.cubicTo(b(0.8, 0.86), b(0.62, 0.88), b(0.52, 0.7));
    toe.closeSubpath();
    QPainterPath all = petal.united(side).united(mirrored(side, box)).united(band);
    return all.united(foot).united(toe).united(mirrored(toe, box));
}

QPainterPath lionRampant(const QRectF& box) {
    const Box b{box};
    QPainterPath body = polygon(
        b, {{0.22, 0.14}, {0.25, 0.08}, {0.33, 0.03}, {0.43, 0.04}, {0.5, 0.1},   {0.54, 0.19},
            {0.57, 0.29}, {0.65, 0.41}, {0.7, 0.52},  {0.72, 0.6},  {0.8, 0.55},  {0.85, 0.42},
            {0.83, 0.27}, {0.89, 0.17}, {0.97, 0.2},  {0.93, 0.29}, {0.9, 0.42},  {0.85, 0.58},
            {0.75, 0.68}, {0.73, 0.77}, {0.75, 0.88}, {0.82, 0.95}, {0.65, 0.97}, {0.62, 0.86},
            {0.56, 0.75}, {0.48, 0.79}, {0.39, 0.83}, {0.29, 0.86}, {0.24, 0.79}, {0.33, 0.75},
            {0.41, 0.7},  {0.43, 0.61}, {0.4, 0.5},   {0.38, 0.43}, {0.28, 0.47}, {0.17, 0.52},
            {0.12, 0.47}, {0.19, 0.42}, {0.29, 0.38}, {0.26, 0.33}, {0.15, 0.31}, {0.09, 0.26},
            {0.16, 0.22}, {0.28, 0.26}, {0.32, 0.24}, {0.26, 0.21}, {0.19, 0.2},  {0.23, 0.17}});
    return body.simplified();
}

QPainterPath castle(const QRectF& box) {
    const Box b{box};
    QPainterPath path = polygon(
        b, {{0.1, 1.0},   {0.1, 0.42},  {0.04, 0.42}, {0.04, 0.3},  {0.12, 0.3},  {0.12, 0.36},
            {0.18, 0.36}, {0.18, 0.3},  {0.26, 0.3},  {0.26, 0.42}, {0.36, 0.42}, {0.36, 0.16},
            {0.32, 0.16}, {0.32, 0.04}, {0.4, 0.04},  {0.4, 0.1},   {0.46, 0.1},  {0.46, 0.04},
            {0.54, 0.04}, {0.54, 0.1},  {0.6, 0.1},   {0.6, 0.04},  {0.68, 0.04}, {0.68, 0.16},
            {0.64, 0.16}, {0.64, 0.42}, {0.74, 0.42}, {0.74, 0.3},  {0.82, 0.3},  {0.82, 0.36},
            {0.88, 0.36}, {0.88, 0.3},  {0.96, 0.3},  {0.96, 0.42}, {0.9, 0.42},  {0.9, 1.0}});
    // The gate and windows are holes in the masonry.
    QPainterPath holes;
    holes.addRoundedRect(QRectF(b(0.42, 0.66), b(0.58, 1.0)), box.width() * 0.06,
                         box.width() * 0.06);
    holes.addRect(QRectF(b(0.46, 0.24), b(0.54, 0.36)));
    holes.addRect(QRectF(b(0.16, 0.55), b(0.22, 0.67)));
    holes.addRect(QRectF(b(0.78, 0.55), b(0.84, 0.67)));
    return path.subtracted(holes);
}

QPainterPath shield(const QRectF& box) {
    const Box b{box};
    QPainterPath path;
    path.moveTo(b(0.0, 0.0));
    path.lineTo(b(1.0, 0.0));
    path.lineTo(b(1.0, 0.58));
    path.cubicTo(b(1.0, 0.84), b(0.7, 0.94), b(0.5, 1.0));
    path.cubicTo(b(0.3, 0.94), b(0.0, 0.84), b(0.0, 0.58));
    path.closeSubpath();
    return path;
}

QBrush gold(const QRectF& box) {
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0.0, QColor(255, 236, 150));
    g.setColorAt(0.35, QColor(226, 178, 52));
    g.setColorAt(0.6, QColor(250, 214, 100));
    g.setColorAt(1.0, QColor(150, 100, 24));
    return QBrush(g);
}

void paintCharge(QPainter& p, const QPainterPath& shape, const QBrush& fill, double outline) {
    p.setPen(QPen(QColor(30, 20, 10, 200), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
}

void paintCrown(QPainter& p, const QRectF& box) {
    const Box b{box};
    const double line = box.width() * 0.03;
    // The arches and points above the band, then the band with its jewels.
    QPainterPath top = polygon(b, {{0.06, 0.72},
                                   {0.0, 0.3},
                                   {0.2, 0.5},
                                   {0.3, 0.18},
                                   {0.42, 0.46},
                                   {0.5, 0.1},
                                   {0.58, 0.46},
                                   {0.7, 0.18},
                                   {0.8, 0.5},
                                   {1.0, 0.3},
                                   {0.94, 0.72}});
    paintCharge(p, top, gold(box), line);
    QPainterPath band;
    band.addRoundedRect(QRectF(b(0.04, 0.68), b(0.96, 0.96)), box.width() * 0.04,
                        box.width() * 0.04);
    paintCharge(p, band, gold(box), line);
    p.setPen(Qt::NoPen);
    const QColor jewels[] = {QColor(200, 20, 30), QColor(30, 90, 190), QColor(200, 20, 30)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(jewels[i]);
        p.drawEllipse(b(0.25 + 0.25 * i, 0.82), box.width() * 0.055, box.height() * 0.08);
    }
    p.setBrush(QColor(255, 250, 230));
    for (double x : {0.0, 0.3, 0.5, 0.7, 1.0}) {
        const double y = (x == 0.5) ? 0.1 : (x == 0.0 || x == 1.0 ? 0.3 : 0.18);
        p.drawEllipse(b(x, y), box.width() * 0.045, box.width() * 0.045);
    }
    // The orb and cross on top.
    QPainterPath cross;
    cross.addRect(QRectF(b(0.47, -0.22), b(0.53, 0.06)));
    cross.addRect(QRectF(b(0.41, -0.15), b(0.59, -0.09)));
    paintCharge(p, cross.simplified(), gold(box), line * 0.8);
}

void paintSkullAndBones(QPainter& p, const QRectF& box) {
    const Box b{box};
    const double line = box.width() * 0.012;
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0.0, QColor(255, 253, 245));
    shade.setColorAt(1.0, QColor(196, 190, 176));
    // Two crossed bones, behind the skull, knobbed at both ends.
    for (int k = 0; k < 2; ++k) {
        const QPointF a = k == 0 ? b(0.1, 0.62) : b(0.9, 0.62);
        const QPointF c = k == 0 ? b(0.9, 0.98) : b(0.1, 0.98);
        const QPointF d = c - a;
        const double len = std::hypot(d.x(), d.y());
        const QPointF n(-d.y() / len, d.x() / len);
        const double w = box.width() * 0.06;
        QPainterPath bone;
        QPolygonF shaft;
        shaft << a + n * w << c + n * w << c - n * w << a - n * w;
        bone.addPolygon(shaft);
        const double knob = box.width() * 0.065;
        for (const QPointF& end : {a, c}) {
            const QPointF along = (end == a ? -d : d) / len * knob * 0.6;
            bone.addEllipse(end + n * knob * 0.8 + along, knob, knob);
            bone.addEllipse(end - n * knob * 0.8 + along, knob, knob);
        }
        paintCharge(p, bone.simplified(), shade, line);
    }
    // The skull: cranium and cheekbones, a narrower jaw.
    QPainterPath skull;
    skull.addEllipse(QRectF(b(0.22, 0.0), b(0.78, 0.56)));
    QPainterPath jaw;
    jaw.addRoundedRect(QRectF(b(0.33, 0.42), b(0.67, 0.72)), box.width() * 0.08,
                       box.width() * 0.08);
    skull = skull.united(jaw);
    QPainterPath holes;
    holes.addEllipse(QRectF(b(0.3, 0.24), b(0.46, 0.42)));
    holes.addEllipse(QRectF(b(0.54, 0.24), b(0.7, 0.42)));
    holes.addPolygon(QPolygonF({b(0.5, 0.42), b(0.45, 0.53), b(0.55, 0.53)}));
    paintCharge(p, skull.subtracted(holes), shade, line);
    // Teeth.
    p.setPen(QPen(QColor(60, 54, 48), line * 0.8));
    p.drawLine(b(0.38, 0.63), b(0.62, 0.63));
    for (int i = 0; i < 5; ++i) {
        const double x = 0.4 + i * 0.05;
        p.drawLine(b(x, 0.59), b(x, 0.67));
    }
}

}  // namespace draw
