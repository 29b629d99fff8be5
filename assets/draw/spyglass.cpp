#include "spyglass.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "raster.h"
#include "seascape.h"
#include "weather.h"

namespace draw {

QImage spyglassView(int w, int h) {
    const Weather weather = spyglassWeather(1111);
    const QImage sea = background(w, h, weather);
    const QPointF c(w * 0.5, h * 0.5);
    const double r = h * 0.45;

    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(8, 8, 9));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Inside the tube, faint light reflected off its wall around the lens.
    QRadialGradient tube(c, r * 1.45);
    tube.setColorAt(0.6, QColor(40, 34, 26));
    tube.setColorAt(0.75, QColor(20, 17, 14));
    tube.setColorAt(1.0, QColor(6, 6, 7));
    p.fillRect(img.rect(), tube);
    // The field of view: the sea, darkening towards the rim of the lens.
    QPainterPath lens;
    lens.addEllipse(c, r, r);
    p.save();
    p.setClipPath(lens);
    p.drawImage(0, 0, sea);
    QRadialGradient rim(c, r);
    rim.setColorAt(0.0, QColor(0, 0, 0, 0));
    rim.setColorAt(0.7, QColor(0, 0, 0, 20));
    rim.setColorAt(0.93, QColor(0, 0, 0, 110));
    rim.setColorAt(1.0, QColor(0, 0, 0, 220));
    p.fillRect(img.rect(), rim);
    // A soft reflection on the glass.
    QRadialGradient glint(c + QPointF(-r * 0.45, -r * 0.5), r * 0.5);
    glint.setColorAt(0.0, QColor(255, 255, 255, 40));
    glint.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), glint);
    p.restore();
    // The lens's edge: a thin colour fringe and the dark brass ring.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 160, 200, 70), r * 0.012));
    p.drawEllipse(c, r * 0.985, r * 0.985);
    p.setPen(QPen(QColor(200, 150, 90, 50), r * 0.01));
    p.drawEllipse(c, r * 0.97, r * 0.97);
    p.setPen(QPen(QColor(70, 56, 34), r * 0.03));
    p.drawEllipse(c, r * 1.015, r * 1.015);
    p.setPen(QPen(QColor(140, 110, 60, 120), r * 0.006));
    p.drawEllipse(c, r * 1.0, r * 1.0);
    // The cross-hair, with a small ring and fine ticks.
    const QColor wire(24, 24, 26, 220);
    const double arm = r * 0.22;
    const double gap = r * 0.035;
    p.setPen(QPen(wire, h * 0.006, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c + QPointF(-arm, 0), c + QPointF(-gap, 0));
    p.drawLine(c + QPointF(gap, 0), c + QPointF(arm, 0));
    p.drawLine(c + QPointF(0, -arm), c + QPointF(0, -gap));
    p.drawLine(c + QPointF(0, gap), c + QPointF(0, arm));
    p.setPen(QPen(wire, h * 0.004));
    p.drawEllipse(c, gap * 1.6, gap * 1.6);
    for (int i = 1; i <= 3; ++i) {
        const double d = gap + (arm - gap) * i / 4.0;
        const double t = r * 0.018;
        p.drawLine(c + QPointF(d, -t), c + QPointF(d, t));
        p.drawLine(c + QPointF(-d, -t), c + QPointF(-d, t));
        p.drawLine(c + QPointF(-t, d), c + QPointF(t, d));
        p.drawLine(c + QPointF(-t, -d), c + QPointF(t, -d));
    }
    p.end();
    addGrain(img, 0.02, 1112);
    return img;
}

}  // namespace draw
