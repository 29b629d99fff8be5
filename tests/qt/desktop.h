// What the player does to the game's windows through the desktop, and what the player sees of
// them. The same walks through the screens (desktop_walks.h) run on Qt's offscreen platform and
// under a real window manager on an X display (tests/desktop/).
#pragma once

#include <QPoint>
#include <QWidget>
#include <ostream>
#include <string>

// Positions in the tests' messages as (x, y), not as bytes.
inline void PrintTo(const QPoint& p, std::ostream* out) {
    *out << '(' << p.x() << ", " << p.y() << ')';
}

namespace qtsupport {

class Desktop {
public:
    virtual ~Desktop() = default;

    // The player minimises the window; returns once the window is minimised.
    virtual void minimise(QWidget& window) = 0;
    // The player drags the window until its frame's top-left corner is at `p`; returns once
    // it is there.
    virtual void moveFrame(QWidget& window, QPoint p) = 0;
    // Where the top-left corner of the window's frame is on the desktop now, read as it stands:
    // offScreenFault waits for a window that is still coming up.
    virtual QPoint frameTopLeft(QWidget& window) = 0;
    // Empty when the window is on screen in its normal state, in front of the others and has
    // the keyboard; otherwise what the player sees instead.
    virtual std::string offScreenFault(QWidget& window) = 0;
};

// The offscreen platform: window states and positions as Qt keeps them; there is no window
// manager, so what the player does is what Qt is told.
class OffscreenDesktop final : public Desktop {
public:
    void minimise(QWidget& window) override;
    void moveFrame(QWidget& window, QPoint p) override;
    QPoint frameTopLeft(QWidget& window) override;
    std::string offScreenFault(QWidget& window) override;
};

}  // namespace qtsupport
