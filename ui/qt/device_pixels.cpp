#include "ui/qt/device_pixels.h"

#include <algorithm>
#include <cmath>

namespace uiqt {

namespace {

QRect toRect(const Edges& e) {
    return QRect(QPoint(e.left, e.top), QPoint(e.right - 1, e.bottom - 1));
}

// The world transform under which the painter's coordinates are device pixels: the device
// transform (the world one, the widget's place in its window, the device pixel ratio) undone.
QTransform deviceWorld(const QPainter& painter) {
    return painter.deviceTransform().inverted() * painter.worldTransform();
}

}  // namespace

DevicePixels::DevicePixels(QPainter& painter, const QRect& logical)
    : painter_(painter),
      world_(painter.worldTransform()),
      device_(painter.deviceTransform()),
      line_(std::max(1, static_cast<int>(std::lround(device_.m11())))) {
    // Qt rounds each edge of a widget to the nearest device pixel when it clips the widget,
    // also where the factor puts the edge between two pixels.
    const QRectF mapped = device_.mapRect(QRectF(logical));
    edges_ = {qRound(mapped.left()), qRound(mapped.top()), qRound(mapped.right()),
              qRound(mapped.bottom())};
    painter_.setWorldTransform(deviceWorld(painter_));
}

DevicePixels::~DevicePixels() {
    painter_.setWorldTransform(world_);
}

int DevicePixels::row(int logicalY) const {
    return qRound(device_.map(QPointF(0, logicalY)).y());
}

void DevicePixels::fill(const Edges& span, const QColor& colour) {
    if (span.right <= span.left || span.bottom <= span.top) return;
    painter_.fillRect(toRect(span), colour);
}

void DevicePixels::outline(const Edges& s, const QColor& colour) {
    const int w = line_;
    fill({s.left, s.top, s.right, s.top + w}, colour);
    fill({s.left, s.bottom - w, s.right, s.bottom}, colour);
    fill({s.left, s.top, s.left + w, s.bottom}, colour);
    fill({s.right - w, s.top, s.right, s.bottom}, colour);
}

void clipToDevice(QPainter& painter, const Edges& span) {
    // The clip is taken in the coordinates of the moment, so it stays in device pixels when the
    // control's own transform comes back.
    const QTransform world = painter.worldTransform();
    painter.setWorldTransform(deviceWorld(painter));
    painter.setClipRect(toRect(span));
    painter.setWorldTransform(world);
}

}  // namespace uiqt
