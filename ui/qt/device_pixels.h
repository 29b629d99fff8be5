// Painting a control's border in whole device pixels. Under a scale factor a line one logical
// pixel wide, centred on a whole logical coordinate, spreads half a pixel outside its place:
// past the control's edge it is clipped away, and inside the fill of an overlapping neighbour
// painted later covers it. So borders are painted as bands of whole device pixels counted from
// the control's edges, where Qt's clip puts them: the logical edges times the factor, rounded.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QTransform>

namespace uiqt {

// A span of device pixels: right and bottom lie just past the last pixel.
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// While it lives, the painter paints in device pixels; it takes the painter back to the
// control's logical pixels when it goes.
class DevicePixels {
public:
    DevicePixels(QPainter& painter, const QRect& logical);
    ~DevicePixels();
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    // The control's rectangle as Qt clips it.
    const Edges& edges() const { return edges_; }
    // The width of a line one logical pixel wide: the factor, rounded, and never less than one.
    int line() const { return line_; }
    // The device row on which a logical row of the control starts.
    int row(int logicalY) const;

    void fill(const Edges& span, const QColor& colour);
    // A ring one line wide just inside the span.
    void outline(const Edges& span, const QColor& colour);

private:
    QPainter& painter_;
    QTransform world_;   // the painter's own, given back at the end
    QTransform device_;  // logical to device pixels
    Edges edges_;
    int line_;
};

// Limits what the painter paints from now on to a span of device pixels, until the painter's
// state is restored.
void clipToDevice(QPainter& painter, const Edges& span);

}  // namespace uiqt
