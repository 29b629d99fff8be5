#include "ui/qt/painters.h"

#include <QFontMetrics>

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

void paintSunkenBorder(QPainter& p, const QRect& r) {
    const int x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();
    p.setPen(toQColor(ui::rgb(160, 160, 160)));  // outer shadow
    p.drawLine(x0, y0, x1 - 1, y0);
    p.drawLine(x0, y0, x0, y1 - 1);
    p.setPen(Qt::white);  // outer highlight
    p.drawLine(x0, y1, x1, y1);
    p.drawLine(x1, y0, x1, y1);
    p.setPen(Qt::black);  // inner dark shadow
    p.drawLine(x0 + 1, y0 + 1, x1 - 2, y0 + 1);
    p.drawLine(x0 + 1, y0 + 1, x0 + 1, y1 - 2);
    p.setPen(toQColor(ui::sys::ButtonFace));  // inner light
    p.drawLine(x0 + 1, y1 - 1, x1 - 1, y1 - 1);
    p.drawLine(x1 - 1, y0 + 1, x1 - 1, y1 - 1);
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
    p.fillRect(r, backOr(field, ui::sys::WindowBackground));
    paintSunkenBorder(p, r);
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
    p.fillRect(r, backOr(cell, ui::sys::ButtonFace));
    paintSunkenBorder(p, r);
    if (!cell.picture().isNull()) {
        // Unscaled at the top left of the inner area, clipped to it.
        const QRect inner = r.adjusted(2, 2, -2, -2);
        p.save();
        p.setClipRect(inner);
        p.drawPixmap(inner.topLeft(), cache.pixmap(cell.picture()));
        p.restore();
    }
}

void paintFrame(QPainter& p, const QRect& r, const ui::Frame& frame) {
    const QColor back = backOr(frame, ui::sys::ButtonFace);
    p.fillRect(r, back);
    const QFont font = toQFont(frame.font());
    const QFontMetrics metrics(font);
    const int lineY = r.top() + metrics.height() / 2;
    // The etched border of a group frame.
    p.setPen(toQColor(ui::rgb(128, 128, 128)));
    p.drawRect(r.left(), lineY, r.width() - 2, r.bottom() - lineY - 1);
    p.setPen(Qt::white);
    p.drawRect(r.left() + 1, lineY + 1, r.width() - 2, r.bottom() - lineY - 1);
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
