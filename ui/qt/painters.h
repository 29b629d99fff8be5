// Drawing of the painted controls, one function per kind, each from the model's state alone.
#pragma once

#include <QPainter>

#include "ui/control.h"

namespace uiqt {

class PictureCache;

void paintLabel(QPainter& p, const QRect& r, const ui::Label& label);
void paintTextBox(QPainter& p, const QRect& r, const ui::TextBox& field);
void paintImage(QPainter& p, const QRect& r, const ui::Image& image, PictureCache& cache);
void paintPictureBox(QPainter& p, const QRect& r, const ui::PictureBox& cell, PictureCache& cache);
void paintFrame(QPainter& p, const QRect& r, const ui::Frame& frame);

// The two-pixel sunken border of cells and text fields.
void paintSunkenBorder(QPainter& p, const QRect& r);

}  // namespace uiqt
