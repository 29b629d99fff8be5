#include "weapons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "noise.h"
#include "raster.h"

namespace draw {

namespace {

const QColor kBrass(206, 164, 72);
const QColor kWalnut(112, 60, 30);

// Metal across its width: dark edges, a bright line where it catches the light.
QBrush metal(QPointF a, QPointF b, const QColor& c) {
    QLinearGradient g(a, b);
    g.setColorAt(0.0, c.darker(190));
    g.setColorAt(0.3, c.lighter(150));
    g.setColorAt(0.45, c);
    g.setColorAt(1.0, c.darker(230));
    return QBrush(g);
}

void ink(QPainter& p, double width) {
    p.setPen(QPen(QColor(20, 14, 10, 220), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A flintlock pistol, 100 units from the butt to the muzzle along +x, the barrel on y = 0.
void paintPistol(QPainter& p) {
    // The stock: the forestock under the barrel sweeping down into a heavy butt.
    QPainterPath stock;
    stock.moveTo(88, 2.6);
    stock.lineTo(44, 4.6);
    stock.cubicTo(34, 5.5, 28, 12, 22, 22);
    stock.cubicTo(18, 29, 12, 36, 4, 35);
    stock.cubicTo(-4, 34, -5, 25, 0, 19);
    stock.cubicTo(6, 11, 14, 0, 26, -4.4);
    stock.lineTo(88, -2.6);
    stock.closeSubpath();
    QLinearGradient wood(QPointF(24, -4), QPointF(10, 30));
    wood.setColorAt(0.0, kWalnut.lighter(160));
    wood.setColorAt(0.45, kWalnut.lighter(110));
    wood.setColorAt(1.0, kWalnut.darker(170));
    ink(p, 0.8);
    p.setBrush(wood);
    p.drawPath(stock);
    p.save();
    p.setClipPath(stock);
    p.setPen(QPen(QColor(60, 30, 12, 120), 0.5));
    for (int i = 0; i < 7; ++i) {
        QPainterPath g;
        g.moveTo(70, -2 + i * 0.9);
        g.cubicTo(34, -2 + i * 1.5, 22, 6 + i * 3.0, 2, 18 + i * 2.6);
        p.drawPath(g);
    }
    p.restore();
    // Brass butt cap.
    QPainterPath cap;
    cap.moveTo(0, 19);
    cap.cubicTo(-5, 25, -4, 34, 4, 35);
    cap.cubicTo(8, 35.5, 11, 34, 13, 32);
    cap.cubicTo(6, 31, 2, 25, 4.5, 20.5);
    cap.closeSubpath();
    ink(p, 0.6);
    p.setBrush(metal(QPointF(-4, 22), QPointF(8, 34), kBrass));
    p.drawPath(cap);
    // Trigger guard and trigger.
    QPainterPath guard;
    guard.moveTo(26, 8);
    guard.cubicTo(24, 18, 42, 17, 44, 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBrass.darker(140), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(guard);
    p.setPen(QPen(kBrass.lighter(135), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(guard);
    p.setPen(QPen(QColor(40, 36, 34), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35, 5.5), QPointF(33, 11));
    // The barrel of dark iron with brass bands, and the ramrod under it.
    p.setPen(QPen(QColor(50, 34, 20), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 4.4), QPointF(97, 3.4));
    QPainterPath barrel;
    barrel.moveTo(34, -4.2);
    barrel.lineTo(100, -3.0);
    barrel.lineTo(100, 3.0);
    barrel.lineTo(34, 4.2);
    barrel.closeSubpath();
    const QColor iron(96, 100, 110);
    ink(p, 0.6);
    p.setBrush(metal(QPointF(0, -4), QPointF(0, 4), iron));
    p.drawPath(barrel);
    p.setBrush(metal(QPointF(0, -4), QPointF(0, 4), kBrass));
    p.drawRect(QRectF(95, -3.6, 5, 7.2));
    p.drawRect(QRectF(66, -3.6, 2.6, 7.2));
    // The lock: plate, the cock holding its flint, the frizzen.
    QPainterPath plate;
    plate.addRoundedRect(QRectF(20, -3.4, 24, 8), 3, 3);
    p.setBrush(metal(QPointF(0, -3.4), QPointF(0, 4.6), QColor(170, 174, 180)));
    p.drawPath(plate);
    QPainterPath cock;
    cock.moveTo(25, -2);
    cock.cubicTo(19, -5, 20, -13, 26, -14.5);
    cock.lineTo(32, -15);
    cock.lineTo(32, -12);
    cock.lineTo(27.5, -11.6);
    cock.cubicTo(25, -8.5, 27, -5, 30, -2.5);
    cock.closeSubpath();
    p.setBrush(metal(QPointF(19, -14), QPointF(31, -2), QColor(176, 180, 186)));
    p.drawPath(cock);
    p.setBrush(QColor(60, 58, 54));
    p.drawRect(QRectF(31, -16, 3, 4.5));
    QPainterPath frizzen;
    frizzen.moveTo(35, -4);
    frizzen.lineTo(36.5, -14);
    frizzen.lineTo(39.5, -14);
    frizzen.lineTo(40.5, -4);
    frizzen.closeSubpath();
    p.setBrush(metal(QPointF(35, -14), QPointF(40, -4), QColor(176, 180, 186)));
    p.drawPath(frizzen);
}

// A dagger, 80 units from the pommel to the point along +x.
void paintDagger(QPainter& p) {
    QPainterPath blade;
    blade.moveTo(22, -3.4);
    blade.cubicTo(45, -3.0, 65, -2.0, 80, 0);
    blade.cubicTo(65, 2.0, 45, 3.0, 22, 3.4);
    blade.closeSubpath();
    ink(p, 0.5);
    p.setBrush(metal(QPointF(0, -3.4), QPointF(0, 3.4), QColor(196, 202, 210)));
    p.drawPath(blade);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.5));
    p.drawLine(QPointF(24, -0.4), QPointF(74, -0.1));
    p.setPen(QPen(QColor(60, 64, 70, 160), 0.4));
    p.drawLine(QPointF(24, 0.4), QPointF(74, 0.1));
    // Crossguard with knobbed quillons, then the bound grip and the pommel.
    ink(p, 0.5);
    p.setBrush(metal(QPointF(18, 0), QPointF(23, 0), kBrass));
    p.drawRoundedRect(QRectF(19, -9, 3.6, 18), 1.5, 1.5);
    p.setBrush(metal(QPointF(0, -11), QPointF(0, -7), kBrass));
    p.drawEllipse(QPointF(20.8, -9.6), 2.1, 2.1);
    p.drawEllipse(QPointF(20.8, 9.6), 2.1, 2.1);
    QPainterPath grip;
    grip.addRoundedRect(QRectF(3, -2.6, 16, 5.2), 2, 2);
    p.setBrush(metal(QPointF(0, -2.6), QPointF(0, 2.6), QColor(72, 40, 26)));
    p.drawPath(grip);
    p.setPen(QPen(QColor(30, 16, 8, 200), 0.5));
    for (double x = 5; x < 18; x += 1.6)
        p.drawLine(QPointF(x, -2.5), QPointF(x + 1.2, 2.5));
    ink(p, 0.5);
    p.setBrush(metal(QPointF(0, -4), QPointF(0, 4), kBrass));
    p.drawEllipse(QPointF(1.5, 0), 3.6, 3.4);
}

QImage woodBoard(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double u = static_cast<double>(x) / w;
            const double v = static_cast<double>(y) / h;
            const int plank = static_cast<int>(v * 3.0);
            const double grain = fbm(u * 3.0 + plank * 5.0, v * 40.0, 61u, 5);
            const double rings = std::sin((u * 18.0 + grain * 3.0) * 2.0);
            double k = 0.8 + 0.15 * grain + 0.05 * rings;
            const double seam = std::fabs(v * 3.0 - std::round(v * 3.0));
            k *= 0.55 + 0.45 * smoothstep(0.0, 0.02, seam);
            img.setPixel(
                x, y,
                qRgb(static_cast<int>(70 * k), static_cast<int>(44 * k), static_cast<int>(28 * k)));
        }
    }
    return img;
}

}  // namespace

QImage pistolAndDagger(int w, int h) {
    const int k = 4;  // drawn larger, then reduced: fine lines stay smooth
    QImage big = woodBoard(w * k, h * k);
    QImage things = newLayer(big);
    {
        QPainter p(&things);
        p.setRenderHint(QPainter::Antialiasing);
        const double s = w * k / 100.0 * 0.9;
        p.translate(w * k * 0.53, h * k * 0.54);
        p.scale(s, s);
        p.save();
        p.rotate(40);
        p.translate(-52, -6);
        paintDagger(p);
        p.restore();
        p.save();
        p.rotate(-34);
        p.translate(-45, -15);
        paintPistol(p);
        p.restore();
    }
    // A soft shadow on the board under the weapons.
    QImage shadow = things;
    {
        QPainter p(&shadow);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(shadow.rect(), QColor(0, 0, 0, 170));
    }
    blur(shadow, 3 * k);
    {
        QPainter p(&big);
        p.drawImage(QPointF(2.5 * k, 3.0 * k), shadow);
        p.drawImage(0, 0, things);
        // Warm candlelight from the upper left.
        QRadialGradient light(QPointF(big.width() * 0.3, big.height() * 0.25), big.width() * 0.9);
        light.setColorAt(0.0, QColor(255, 200, 130, 40));
        light.setColorAt(1.0, QColor(0, 0, 0, 90));
        p.fillRect(big.rect(), light);
    }
    QImage img = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    vignette(img, 0.4);
    addGrain(img, 0.012, 12);
    return img;
}

}  // namespace draw
