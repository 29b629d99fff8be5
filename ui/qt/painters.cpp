#include "ui/qt/painters.h"

#include <QFontMetrics>

#include "ui/qt/device_pixels.h"
#include "ui/qt/look.h"
#include "ui/qt/picture_cache.h"

namespace uiqt {

namespace {

QColor foreOr(const ui::Control& c, ui::Colour fallback) {
    return toQColor(c.foreColour().value_or(fallback));
}

QColor backOr(const ui::Control& c, ui::Colour fallback) {
    return toQColor(c.backColour().value_or(fallback));
}

Qt::Alignment horizontal(ui::Align a) {
    switch (a) {
        case ui::Align::Centre:
            return Qt::AlignHCenter;
        case ui::Align::Right:
            return Qt::AlignRight;
        case ui::Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

Edges paintSunkenBox(QPainter& p, const QRect& r, const QColor& ground) {
    DevicePixels device(p, r);
    const auto [x0, y0, x1, y1] = device.edges();
    const int w = device.line();
    device.fill(device.edges(), ground);
    // Each line is the next band of w device pixels in from its edge. The highlights run the
    // whole length of their edges, so they take the corners the shadows stop short of.
    const QColor shadow = toQColor(ui::rgb(160, 160, 160));
    device.fill({x0, y0, x1 - w, y0 + w}, shadow);  // outer shadow
    device.fill({x0, y0, x0 + w, y1 - w}, shadow);
    device.fill({x0, y1 - w, x1, y1}, Qt::white);  // outer highlight
    device.fill({x1 - w, y0, x1, y1}, Qt::white);
    device.fill({x0 + w, y0 + w, x1 - 2 * w, y0 + 2 * w}, Qt::black);  // inner dark shadow
    device.fill({x0 + w, y0 + w, x0 + 2 * w, y1 - 2 * w}, Qt::black);
    const QColor light = toQColor(ui::sys::ButtonFace);  // inner light
    device.fill({x0 + w, y1 - 2 * w, x1 - w, y1 - w}, light);
    device.fill({x1 - 2 * w, y0 + w, x1 - w, y1 - w}, light);
    return {x0 + 2 * w, y0 + 2 * w, x1 - 2 * w, y1 - 2 * w};
}

void paintLabel(QPainter& p, const QRect& r, const ui::Label& label, LabelText& cache) {
    if (label.opaque()) p.fillRect(r, backOr(label, ui::sys::ButtonFace));
    const QString caption = QString::fromStdString(label.caption());
    const QFont font = toQFont(label.font());
    const Qt::Alignment align = horizontal(label.alignment());
    // The pulsing labels repaint many times a second with only their colour changed: keep
    // the wrapped layout of the text and draw it again.
    if (cache.caption != caption || cache.font != font || cache.width != r.width() ||
        cache.align != align) {
        cache.caption = caption;
        cache.font = font;
        cache.width = r.width();
        cache.align = align;
        cache.text = QStaticText(caption);
        cache.text.setTextFormat(Qt::PlainText);
        cache.text.setTextWidth(r.width());
        QTextOption option(align);
        option.setWrapMode(QTextOption::WordWrap);
        cache.text.setTextOption(option);
        cache.text.prepare(QTransform(), font);
    }
    p.setFont(font);
    p.setPen(foreOr(label, ui::sys::ButtonText));
    p.drawStaticText(r.topLeft(), cache.text);
}

void paintTextBox(QPainter& p, const QRect& r, const ui::TextBox& field) {
    paintSunkenBox(p, r, backOr(field, ui::sys::WindowBackground));
    p.setFont(toQFont(field.font()));
    p.setPen(foreOr(field, ui::sys::WindowText));
    p.drawText(r.adjusted(4, 2, -2, -2), static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter),
               QString::fromStdString(field.text()));
}

void paintImage(QPainter& p, const QRect& r, const ui::Image& image, PictureCache& cache) {
    if (image.picture().isNull()) return;
    if (image.stretch()) {
        p.drawPixmap(r.topLeft(), cache.scaled(image.picture(), r.size()));
    } else {
        p.drawPixmap(r.topLeft(), cache.pixmap(image.picture()));
    }
}

void paintPictureBox(QPainter& p, const QRect& r, const ui::PictureBox& cell, PictureCache& cache) {
    const Edges inside = paintSunkenBox(p, r, backOr(cell, ui::sys::ButtonFace));
    if (!cell.picture().isNull()) {
        // Unscaled at the top left of the inner area, clipped to what the border leaves.
        p.save();
        clipToDevice(p, inside);
        p.drawPixmap(r.topLeft() + QPoint(2, 2), cache.pixmap(cell.picture()));
        p.restore();
    }
}

void paintFrame(QPainter& p, const QRect& r, const ui::Frame& frame) {
    const QColor back = backOr(frame, ui::sys::ButtonFace);
    const QFont font = toQFont(frame.font());
    const QFontMetrics metrics(font);
    {
        // The etched border of a group frame, through the middle of the caption's height: a
        // shadow outline and over it, one line right and down, a highlight outline.
        DevicePixels device(p, r);
        const auto [x0, y0, x1, y1] = device.edges();
        const int w = device.line();
        const int line = device.row(r.top() + metrics.height() / 2);
        device.fill(device.edges(), back);
        device.outline({x0, line, x1 - w, y1 - w}, toQColor(ui::rgb(128, 128, 128)));
        device.outline({x0 + w, line + w, x1, y1}, Qt::white);
    }
    const QString caption = QString::fromStdString(frame.caption());
    if (!caption.isEmpty()) {
        const QRect text(r.left() + 8, r.top(), metrics.horizontalAdvance(caption) + 4,
                         metrics.height());
        p.fillRect(text, back);
        p.setFont(font);
        p.setPen(foreOr(frame, ui::sys::WindowText));
        p.drawText(text, static_cast<int>(Qt::AlignHCenter | Qt::AlignTop), caption);
    }
}

}  // namespace uiqt
