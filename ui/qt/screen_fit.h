// Where a window's frame goes so that it lies wholly in the free area of the screen: where it
// is asked to, or moved the least distance that brings it inside; a frame larger than the area
// goes to the area's top-left corner.
#pragma once

#include <QPoint>
#include <QRect>

namespace uiqt {

QPoint fitFrameInto(const QRect& frame, const QRect& area);

}  // namespace uiqt
