// Heraldic charges and devices for the flags: lilies, lions, castles, crowns, shields, the
// skull and crossed bones. Shapes are given in a box; colours are the caller's.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace draw {

QPainterPath fleurDeLis(const QRectF& box);
QPainterPath lionRampant(const QRectF& box);  // facing the viewer's left
QPainterPath castle(const QRectF& box);
QPainterPath shield(const QRectF& box);

// A metal of heraldry, painted with a sheen so it reads as gold.
QBrush gold(const QRectF& box);

void paintCharge(QPainter& p, const QPainterPath& shape, const QBrush& fill, double outline);
void paintCrown(QPainter& p, const QRectF& box);
void paintSkullAndBones(QPainter& p, const QRectF& box);

}  // namespace draw
