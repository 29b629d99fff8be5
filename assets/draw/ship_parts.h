// The ship painter's own parts: the geometry that hull and rig share, and the painters of each
// part. Only ship*.cpp include this.
#pragma once

#include <QPainterPath>
#include <QPointF>

#include "rng.h"
#include "ship.h"

namespace draw::ship {

struct Frame {
    const ShipDesign& s;
    double lightX;  // -1: the light comes from the ship's stern side, +1: from its bow side
    double pixel;   // one picture pixel in ship units, the thinnest line worth drawing

    // The sheer line of the main deck, and the top of the bulwarks including the castles.
    double mainTop(double x) const;
    double deckTop(double x) const;
    // A point of a mast, `h` above its foot on the deck, following its rake.
    QPointF mastPoint(const MastDesign& m, double h) const;
    // A point along the bowsprit, 0 at its heel and 1 at its end.
    QPointF bowspritPoint(double f) const;
    double line(double width) const { return width > pixel * 0.7 ? width : pixel * 0.7; }
};

// Where a square-rigged mast is divided and where its yards hang, as fractions of its height.
struct MastPlan {
    double lowerTop;     // the top (platform) of the lower mast
    double topmastHead;  // the crosstrees
    int sections;        // 2 or 3 spars one above the other
    double yardAt[4];
    double yardLength[4];  // fractions of the lowest yard

    static MastPlan of(const MastDesign& m);
    // Half the width of the lower mast's top.
    static double topHalf(const MastDesign& m) { return 1.2 + m.yard * 0.07; }
};

// Yard i of a square-rigged mast: its middle, where it crosses the mast, and half its length.
struct Yard {
    QPointF centre;
    double half;
};
inline Yard yardOf(const Frame& f, const MastDesign& m, const MastPlan& plan, int i) {
    return {f.mastPoint(m, plan.yardAt[i] * m.height), m.yard * plan.yardLength[i] / 2.0};
}

// An irregular blob: the burns in a sail.
QPainterPath blob(QPointF centre, double radius, double jag, Rng& rng, int points = 13);

void paintHull(QPainter& p, const Frame& f, Rng& rng);
void paintMasts(QPainter& p, const Frame& f);
void paintYard(QPainter& p, const Frame& f, QPointF a, QPointF b);
void paintMastTops(QPainter& p, const Frame& f);
void paintSails(QPainter& p, const Frame& f, Rng& rng);
void paintRigging(QPainter& p, const Frame& f);
void paintColours(QPainter& p, const Frame& f);

}  // namespace draw::ship
