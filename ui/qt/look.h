// How model values look on this platform: fonts, colours, pointers. The screens name fonts that
// Linux lacks; a bold sans-serif face with Cyrillic letters stands in at the same point size.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>

#include "ui/colour.h"
#include "ui/geometry.h"

namespace uiqt {

QFont toQFont(const ui::Font& font);
// System colours are resolved here and only here, with the standard light scheme.
QColor toQColor(ui::Colour colour);
Qt::CursorShape toCursor(ui::Pointer pointer);
int toPixels(int twips);

}  // namespace uiqt
