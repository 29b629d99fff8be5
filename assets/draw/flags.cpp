#include "flags.h"

#include <QPainter>
#include <functional>

#include "cloth.h"
#include "heraldry.h"
#include "raster.h"

namespace draw {

namespace {

// The flat design is drawn four times larger than the picture, then flown as cloth.
QImage flag(int w, int h, std::uint32_t seed,
            const std::function<void(QPainter&, QRectF)>& design) {
    const int k = 4;
    QImage flat(w * k, h * k, QImage::Format_ARGB32_Premultiplied);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.setRenderHint(QPainter::Antialiasing);
        design(p, QRectF(0, 0, w * k, h * k));
    }
    QImage img = flyCloth(flat, w, h, seed);
    addGrain(img, 0.015, seed);
    return img;
}

QRectF centred(const QRectF& area, double cx, double cy, double w, double h) {
    return QRectF(area.left() + cx * area.width() - w / 2, area.top() + cy * area.height() - h / 2,
                  w, h);
}

void bands(QPainter& p, const QRectF& r, std::initializer_list<std::pair<double, QColor>> list) {
    double top = r.top();
    for (const auto& [share, colour] : list) {
        const double h = share * r.height();
        p.fillRect(QRectF(r.left(), top, r.width(), h + 1), colour);
        top += h;
    }
}

// A shield quartered into four fields, each with its own charge.
struct Quarter {
    QColor field;
    std::function<void(QPainter&, QRectF)> charge;
};

void quarteredShield(QPainter& p, const QRectF& box, const Quarter (&q)[4], double line) {
    const QPainterPath outline = shield(box);
    p.save();
    p.setClipPath(outline);
    const double hw = box.width() / 2;
    const double hh = box.height() / 2;
    for (int i = 0; i < 4; ++i) {
        const QRectF cell(box.left() + (i % 2) * hw, box.top() + (i / 2) * hh, hw, hh);
        p.fillRect(cell, q[i].field);
        q[i].charge(p, cell.adjusted(hw * 0.14, hh * 0.12, -hw * 0.14, -hh * 0.1));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 160, 60), line * 2.2));
    p.drawPath(outline);
    p.setPen(QPen(QColor(40, 28, 12), line));
    p.drawPath(outline);
}

const QColor kRed(196, 24, 32);
const QColor kBlue(24, 52, 140);
const QColor kGold(232, 184, 56);

}  // namespace

QImage pirateFlag(int w, int h) {
    return flag(w, h, 5, [](QPainter& p, QRectF r) {
        p.fillRect(r, QColor(18, 18, 20));
        paintSkullAndBones(p, centred(r, 0.5, 0.5, r.width() * 0.62, r.height() * 0.66));
    });
}

QImage englandFlag(int w, int h) {
    return flag(w, h, 6, [](QPainter& p, QRectF r) {
        p.fillRect(r, QColor(246, 244, 238));
        const double bar = r.width() * 0.2;
        p.fillRect(centred(r, 0.5, 0.5, bar, r.height()), kRed);
        p.fillRect(centred(r, 0.5, 0.5, r.width(), bar), kRed);
        // The royal arms: a crowned shield quartered with lions, lilies and a harp.
        const double line = r.width() * 0.006;
        const QRectF box = centred(r, 0.5, 0.56, r.width() * 0.4, r.height() * 0.44);
        auto lions = [line](QPainter& q, QRectF c) {
            for (int i = 0; i < 3; ++i) {
                const QRectF l(c.left() + c.width() * 0.2, c.top() + i * c.height() / 3,
                               c.width() * 0.6, c.height() / 3.2);
                paintCharge(q, lionRampant(l), gold(l), line);
            }
        };
        const Quarter quarters[4] = {
            {kRed, lions},
            {kBlue,
             [line](QPainter& q, QRectF c) {
                 paintCharge(q, fleurDeLis(c.adjusted(c.width() * 0.15, 0, -c.width() * 0.15, 0)),
                             gold(c), line);
             }},
            {kGold,
             [line](QPainter& q, QRectF c) { paintCharge(q, lionRampant(c), QBrush(kRed), line); }},
            {kBlue,
             [](QPainter& q, QRectF c) {
                 // A harp: its frame and strings.
                 QPainterPath frame;
                 frame.moveTo(c.left() + c.width() * 0.25, c.bottom());
                 frame.lineTo(c.left() + c.width() * 0.25, c.top());
                 frame.quadTo(c.right(), c.top(), c.right() - c.width() * 0.1, c.bottom());
                 q.setBrush(Qt::NoBrush);
                 q.setPen(QPen(QColor(236, 190, 70), c.width() * 0.09));
                 q.drawPath(frame);
                 q.setPen(QPen(QColor(236, 190, 70), c.width() * 0.025));
                 for (int i = 1; i < 5; ++i) {
                     const double x = c.left() + c.width() * (0.25 + 0.13 * i);
                     q.drawLine(QPointF(x, c.top() + c.height() * 0.1), QPointF(x, c.bottom()));
                 }
             }},
        };
        quarteredShield(p, box, quarters, line);
        paintCrown(p, centred(r, 0.5, 0.26, r.width() * 0.26, r.height() * 0.16));
    });
}

QImage franceFlag(int w, int h) {
    return flag(w, h, 7, [](QPainter& p, QRectF r) {
        p.fillRect(r, QColor(248, 246, 240));
        const double s = r.width() * 0.3;
        const double line = r.width() * 0.006;
        for (const auto& [cx, cy] :
             {std::pair{0.3, 0.3}, std::pair{0.7, 0.3}, std::pair{0.5, 0.68}}) {
            const QRectF box = centred(r, cx, cy, s, s * 1.15);
            paintCharge(p, fleurDeLis(box), gold(box), line);
        }
    });
}

QImage spainFlag(int w, int h) {
    return flag(w, h, 8, [](QPainter& p, QRectF r) {
        bands(p, r, {{0.25, kRed}, {0.5, kGold}, {0.25, kRed}});
        // The crowned arms of castles and lions, towards the hoist.
        const double line = r.width() * 0.006;
        const QRectF box = centred(r, 0.38, 0.54, r.width() * 0.3, r.height() * 0.36);
        auto castles = [line](QPainter& q, QRectF c) { paintCharge(q, castle(c), gold(c), line); };
        auto lion = [line](QPainter& q, QRectF c) {
            paintCharge(q, lionRampant(c), QBrush(QColor(120, 30, 110)), line);
        };
        const Quarter quarters[4] = {{kRed, castles},
                                     {QColor(246, 244, 236), lion},
                                     {QColor(246, 244, 236), lion},
                                     {kRed, castles}};
        quarteredShield(p, box, quarters, line);
        paintCrown(p, centred(r, 0.38, 0.29, r.width() * 0.24, r.height() * 0.13));
    });
}

QImage hollandFlag(int w, int h) {
    return flag(w, h, 9, [](QPainter& p, QRectF r) {
        bands(p, r,
              {{1.0 / 3, QColor(190, 36, 40)},
               {1.0 / 3, QColor(246, 244, 238)},
               {1.0 / 3, QColor(28, 56, 140)}});
        // The crowned lion on blue, over the middle of the flag.
        const double line = r.width() * 0.007;
        const QRectF box = centred(r, 0.5, 0.56, r.width() * 0.36, r.height() * 0.44);
        const QPainterPath outline = shield(box);
        p.setPen(QPen(QColor(200, 160, 60), line * 2.2));
        p.setBrush(kBlue);
        p.drawPath(outline);
        const QRectF lion = box.adjusted(box.width() * 0.12, box.height() * 0.08,
                                         -box.width() * 0.1, -box.height() * 0.14);
        paintCharge(p, lionRampant(lion), gold(lion), line);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 28, 12), line));
        p.drawPath(outline);
        paintCrown(p, centred(r, 0.5, 0.27, r.width() * 0.26, r.height() * 0.15));
    });
}

}  // namespace draw
