// A thirty-two point compass rose in the manner of old charts.
#pragma once

#include <QPainter>
#include <QPointF>

namespace draw {

void paintCompassRose(QPainter& p, QPointF centre, double radius);

}  // namespace draw
