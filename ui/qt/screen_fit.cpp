#include "ui/qt/screen_fit.h"

#include <algorithm>

namespace uiqt {

QPoint fitFrameInto(const QRect& frame, const QRect& area) {
    if (frame.width() > area.width() || frame.height() > area.height()) return area.topLeft();
    const int x = std::clamp(frame.left(), area.left(), area.left() + area.width() - frame.width());
    const int y = std::clamp(frame.top(), area.top(), area.top() + area.height() - frame.height());
    return {x, y};
}

}  // namespace uiqt
