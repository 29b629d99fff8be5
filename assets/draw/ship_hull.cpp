// The hull: planking, painted strakes, wales, gun ports, rails, the stern gallery and the
// shading that makes it round.
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "noise.h"
#include "raster.h"
#include "ship_parts.h"

namespace draw::ship {

namespace {

constexpr double kStern = -50.0;
constexpr double kBow = 50.0;
constexpr double kKeel = -1.2;  // the hull is drawn a little below the waterline

QPainterPath deckLine(const Frame& f) {
    QPainterPath path;
    path.moveTo(kStern, f.deckTop(kStern));
    for (double x = kStern; x <= kBow; x += 0.5)
        path.lineTo(x, f.deckTop(x));
    return path;
}
void sternCurve(QPainterPath& path, const Frame& f) {
    path.quadTo(kStern + 1.6, f.s.freeboard * 0.35, kStern, f.deckTop(kStern));
}
QPainterPath outline(const Frame& f) {
    QPainterPath path = deckLine(f);
    const double top = f.deckTop(kBow);
    path.cubicTo(kBow + 1.2, top * 0.45, kBow - 3.0, kKeel + 0.2, kBow - 7.0, kKeel);
    path.lineTo(kStern + 6.0, kKeel);
    sternCurve(path, f);
    path.closeSubpath();
    return path;
}

// A line along the hull at a fraction of the freeboard, so strakes follow the sheer.
QPainterPath strake(const Frame& f, double level, double x0 = kStern - 2, double x1 = kBow + 2) {
    QPainterPath path;
    path.moveTo(x0, level * f.mainTop(x0));
    for (double x = x0 + 0.5; x <= x1; x += 0.5)
        path.lineTo(x, level * f.mainTop(x));
    return path;
}

QPainterPath bandArea(const Frame& f, double from, double to) {
    QPainterPath path = strake(f, from);
    for (double x = kBow + 2; x >= kStern - 2; x -= 0.5)
        path.lineTo(x, to * f.mainTop(x));
    path.closeSubpath();
    return path;
}

const QImage& woodGrain() {
    static const QImage tex = [] {
        QImage img(512, 64, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const double g =
                    fbm(x / 60.0, y / 2.5, 91u, 4) * 0.6 + noise(x / 9.0, y / 1.2, 92u) * 0.25;
                const int v = std::clamp(static_cast<int>(128 + 90 * g), 0, 255);
                img.setPixel(x, y, qRgb(v, v, v));
            }
        }
        return img;
    }();
    return tex;
}

void paintPort(QPainter& p, const Frame& f, QPointF c, double size, double slope) {
    const ShipDesign& s = f.s;
    p.save();
    p.translate(c);
    p.rotate(std::atan(slope) * 180.0 / M_PI);
    const double h = size / 2.0;
    // The lid, swung up and outwards, its inner face painted red.
    QPolygonF lid;
    lid << QPointF(-h, h) << QPointF(h, h) << QPointF(h * 1.1, h + size * 0.42)
        << QPointF(-h * 0.9, h + size * 0.42);
    p.setPen(QPen(s.lid.darker(180), f.line(0.08)));
    p.setBrush(s.lid);
    p.drawPolygon(lid);
    p.setPen(QPen(withAlpha(s.trim, 200), f.line(0.1)));
    p.setBrush(QColor(16, 10, 7));
    p.drawRect(QRectF(-h, -h, size, size));
    // The gun's muzzle, catching a little light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 44));
    p.drawEllipse(QPointF(0, -h * 0.1), size * 0.26, size * 0.26);
    p.setBrush(QColor(110, 110, 115));
    p.drawEllipse(QPointF(f.lightX * size * 0.08, size * 0.02), size * 0.08, size * 0.08);
    p.restore();
}

void paintGuns(QPainter& p, const Frame& f) {
    for (const GunRow& row : f.s.guns) {
        for (int i = 0; i < row.ports; ++i) {
            const double t = row.ports > 1 ? static_cast<double>(i) / (row.ports - 1) : 0.5;
            const double x = lerp(row.x0, row.x1, t);
            const double y = row.level * f.mainTop(x);
            if (y + row.size * 0.9 > f.deckTop(x)) continue;  // no room under the rail
            const double slope = row.level * (f.mainTop(x + 0.5) - f.mainTop(x - 0.5));
            paintPort(p, f, QPointF(x, y), row.size, slope);
        }
    }
}

void paintShading(QPainter& p, const Frame& f) {
    double top = 0;
    for (double x = kStern; x <= kBow; x += 1.0)
        top = std::max(top, f.deckTop(x));
    QLinearGradient vertical(0, top, 0, kKeel);
    vertical.setColorAt(0.0, QColor(255, 240, 210, 60));
    vertical.setColorAt(0.25, QColor(255, 240, 210, 15));
    vertical.setColorAt(0.45, QColor(0, 0, 0, 0));
    vertical.setColorAt(0.8, QColor(0, 0, 0, 90));
    vertical.setColorAt(1.0, QColor(0, 0, 0, 170));
    p.fillRect(QRectF(kStern - 5, kKeel - 1, 110, top + 5), vertical);
    // The hull curves away at both ends; the end away from the light is darker.
    QLinearGradient along(kStern, 0, kBow, 0);
    const int litEnd = 40;
    const int darkEnd = 140;
    along.setColorAt(0.0, QColor(0, 0, 0, f.lightX < 0 ? litEnd : darkEnd));
    along.setColorAt(0.22, QColor(0, 0, 0, 0));
    along.setColorAt(0.75, QColor(0, 0, 0, 0));
    along.setColorAt(1.0, QColor(0, 0, 0, f.lightX < 0 ? darkEnd : litEnd));
    p.fillRect(QRectF(kStern - 5, kKeel - 1, 110, top + 5), along);
}

void paintQuarterGallery(QPainter& p, const Frame& f) {
    const ShipDesign& s = f.s;
    const double x0 = -47.5;
    const double x1 = -42.0;
    const double y0 = f.mainTop(-44) * 0.62;
    const double y1 = f.deckTop(-44) - 0.6;
    QPainterPath body;
    body.moveTo(x0 - 0.6, y0 + 1.0);
    body.quadTo((x0 + x1) / 2, y0 - 1.6, x1 + 0.6, y0 + 1.0);
    body.lineTo(x1, y1);
    body.quadTo((x0 + x1) / 2, y1 + 1.2, x0, y1);
    body.closeSubpath();
    QLinearGradient round(x0, 0, x1, 0);
    round.setColorAt(0.0, s.hull.darker(120));
    round.setColorAt(0.5, s.hull.lighter(150));
    round.setColorAt(1.0, s.hull.darker(110));
    p.setPen(QPen(s.trim, f.line(0.2)));
    p.setBrush(round);
    p.drawPath(body);
    const int rows = std::max(1, static_cast<int>((y1 - y0 - 1.0) / 2.8));
    const double wh = (y1 - y0 - 1.2) / rows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 2; ++c) {
            const QRectF win(x0 + 1.0 + c * 2.0, y0 + 0.9 + r * wh, 1.3, wh * 0.55);
            p.setPen(QPen(s.trim.darker(110), f.line(0.12)));
            p.setBrush(QColor(120, 110, 80));
            p.drawRect(win);
        }
    }
}

void paintStern(QPainter& p, const Frame& f) {
    const ShipDesign& s = f.s;
    // The stern's edge, and the head rails and figurehead at the bow.
    QPainterPath stern;
    stern.moveTo(kStern + 6.0, kKeel);
    sternCurve(stern, f);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.trim.darker(130), f.line(0.45)));
    p.drawPath(stern);
    const double head = f.mainTop(kBow);
    // The knee of the head reaching forward from the stem under the bowsprit.
    QPainterPath knee;
    knee.moveTo(kBow - 1.5, head * 0.2);
    knee.quadTo(kBow + 1.5, head * 0.35, kBow + 3.5, head * 0.78);
    knee.lineTo(kBow + 2.2, head * 0.9);
    knee.quadTo(kBow + 0.5, head * 0.6, kBow - 1.0, head * 0.62);
    knee.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(s.hull.darker(115));
    p.drawPath(knee);
    p.setPen(QPen(s.trim, f.line(0.25)));
    for (int i = 0; i < 2; ++i) {
        QPainterPath rail;
        rail.moveTo(kBow + 2.6, head * (0.84 - 0.1 * i));
        rail.quadTo(kBow - 3, head * (0.86 - 0.1 * i), kBow - 8.5, f.deckTop(kBow - 8.5) - 0.6 - i);
        p.drawPath(rail);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(s.trim);
    p.drawEllipse(QPointF(kBow + 3.0, head * 0.86), 0.9, 1.3);
    if (s.quarterGallery) paintQuarterGallery(p, f);
}

// Carved and gilded arcades along the castles' bulwarks.
void paintCastlePanels(QPainter& p, const Frame& f) {
    for (const DeckStep& c : f.s.castles) {
        const double x0 = std::max(c.x0, kStern) + 1.5;
        const double x1 = std::min(c.x1, kBow) - 1.5;
        for (double x = x0; x + 1.6 < x1; x += 2.2) {
            const double bottom = f.deckTop(x) - c.height + 0.5;
            const double top = f.deckTop(x) - 0.7;
            if (top - bottom < 1.2) continue;
            QPainterPath arch;
            arch.moveTo(x, bottom);
            arch.lineTo(x, top - 0.6);
            arch.quadTo(x + 0.8, top + 0.2, x + 1.6, top - 0.6);
            arch.lineTo(x + 1.6, bottom);
            arch.closeSubpath();
            p.setPen(QPen(f.s.trim, f.line(0.16)));
            p.setBrush(QColor(0, 0, 0, 60));
            p.drawPath(arch);
        }
    }
}

void paintChannels(QPainter& p, const Frame& f) {
    for (const MastDesign& m : f.s.masts) {
        if (m.rig != Rig::Square) continue;
        const double y = f.mainTop(m.x) - 0.9;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(22, 16, 12));
        p.drawRect(QRectF(m.x - 6.5, y - 0.35, 10.0, 0.7));
        p.setBrush(f.s.trim.darker(150));
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(m.x - 6 + i * 2.2, y + 0.45), 0.35, 0.35);
    }
}

}  // namespace

void paintHull(QPainter& p, const Frame& f, Rng& rng) {
    const ShipDesign& s = f.s;
    const QPainterPath hull = outline(f);
    p.setPen(Qt::NoPen);
    p.fillPath(hull, s.hull);
    p.save();
    p.setClipPath(hull, Qt::IntersectClip);
    for (const HullBand& b : s.bands)
        p.fillPath(bandArea(f, b.from, b.to), b.colour);

    // Grain of the wood over the paint, then the seams of the planks.
    QBrush grain(woodGrain());
    QTransform t;
    t.translate(rng.range(0, 40), 0);
    t.scale(0.12, 0.12);
    grain.setTransform(t);
    p.setOpacity(0.45);
    p.setCompositionMode(QPainter::CompositionMode_Overlay);
    p.fillRect(QRectF(-60, -5, 120, 60), grain);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(1.0);
    p.setBrush(Qt::NoBrush);
    const double plank = 0.75 / std::max(s.freeboard, 1.0);
    for (double level = plank; level < 2.2; level += plank) {
        const QPainterPath seam = strake(f, level);
        p.setPen(QPen(QColor(0, 0, 0, 70), f.line(0.09)));
        p.drawPath(seam);
        p.setPen(QPen(QColor(255, 230, 190, 28), f.line(0.07)));
        p.drawPath(seam.translated(0, -0.12));
    }
    for (double w : s.wales) {
        const QPainterPath wale = strake(f, w);
        p.setPen(QPen(QColor(18, 12, 9), 0.85, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(wale);
        p.setPen(QPen(QColor(255, 230, 190, 50), f.line(0.12)));
        p.drawPath(wale.translated(0, 0.45));
    }
    paintGuns(p, f);
    paintShading(p, f);
    // The wet, shadowed strip at the waterline.
    QLinearGradient wet(0, 1.2, 0, kKeel);
    wet.setColorAt(0.0, QColor(0, 0, 0, 0));
    wet.setColorAt(1.0, QColor(5, 10, 12, 160));
    p.fillRect(QRectF(-60, kKeel, 120, 2.4), wet);
    p.restore();

    // The rail along the top of the bulwarks, and the castles' rails.
    const QPainterPath rail = deckLine(f);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.trim, f.line(0.4)));
    p.drawPath(rail);
    p.setPen(QPen(QColor(0, 0, 0, 110), f.line(0.2)));
    p.drawPath(rail.translated(0, -0.45));
    for (const DeckStep& c : s.castles) {
        p.setPen(QPen(s.trim.darker(115), f.line(0.25)));
        p.drawPath(strake(f, 1.0, std::max(c.x0, kStern), std::min(c.x1, kBow)));
    }
    if (s.castlePanels) paintCastlePanels(p, f);
    paintChannels(p, f);
    paintStern(p, f);
}

}  // namespace draw::ship
