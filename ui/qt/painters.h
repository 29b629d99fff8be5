// Drawing of the painted controls, one function per kind, each from the model's state alone.
#pragma once

#include <QFont>
#include <QPainter>
#include <QStaticText>
#include <QString>

#include "ui/control.h"
#include "ui/qt/device_pixels.h"

namespace uiqt {

class PictureCache;

// A label's laid-out text, kept between paints.
struct LabelText {
    QString caption;
    QFont font;
    int width = -1;
    Qt::Alignment align;
    QStaticText text;
};

void paintLabel(QPainter& p, const QRect& r, const ui::Label& label, LabelText& cache);
void paintTextBox(QPainter& p, const QRect& r, const ui::TextBox& field);
void paintImage(QPainter& p, const QRect& r, const ui::Image& image, PictureCache& cache);
void paintPictureBox(QPainter& p, const QRect& r, const ui::PictureBox& cell, PictureCache& cache);
void paintFrame(QPainter& p, const QRect& r, const ui::Frame& frame);

// The ground and the two-pixel sunken border of cells and text fields, in whole device pixels;
// gives the inner area the border leaves.
Edges paintSunkenBox(QPainter& p, const QRect& r, const QColor& ground);

}  // namespace uiqt
