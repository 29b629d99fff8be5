// What the player does to the game's window through the desktop, and what the player sees of
// it. The same walks through the screens (desktop_walks.h) run on Qt's offscreen platform, under
// a real window manager on an X display and under a Wayland compositor (tests/desktop/).
// Positions and sizes are in Qt's logical pixels, whatever the scale of the screen.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <ostream>
#include <string>

// Positions in the tests' messages as (x, y), not as bytes.
inline void PrintTo(const QPoint& p, std::ostream* out) {
    *out << '(' << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.width() << " x " << r.height() << " at (" << r.x() << ", " << r.y() << ')';
}

namespace qtsupport {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Whether a program can place its windows here and read where they are: not on Wayland,
    // where the compositor alone does.
    virtual bool placesWindows() const { return true; }
    // Whether a program can bring back a window that the player minimised: not on Wayland,
    // where a client is not even told of it.
    virtual bool restoresMinimised() const { return true; }
    // The player minimises the window; returns once the window is minimised.
    virtual void minimise(QWidget& window) = 0;
    // The player drags the window until its frame's top-left corner is at `p`; returns once
    // it is there.
    virtual void moveFrame(QWidget& window, QPoint p) = 0;
    // The window's frame on the desktop now, title bar included, read as it stands:
    // offScreenFault waits for a window that is still coming up.
    virtual QRect frame(QWidget& window) = 0;
    // The part of the screen that windows may take, as the desktop sees it: panels left out.
    virtual QRect freeArea() = 0;
    // Empty when the window is on screen in its normal state, in front of the others and has
    // the keyboard; otherwise what the player sees instead.
    virtual std::string offScreenFault(QWidget& window) = 0;
    // From now on, notes each moment the window leaves the desktop (unmapped, hidden,
    // unexposed, destroyed) other than while the player has it minimised.
    virtual void watch(QWidget& window) = 0;
    // The moments noted since watch() or the last call, described; empty when there were none.
    virtual std::string gaps() = 0;
};

// The offscreen platform: window states and positions as Qt keeps them; there is no window
// manager, so what the player does is what Qt is told.
class OffscreenDesktop final : public Desktop, public QObject {
public:
    void minimise(QWidget& window) override;
    void moveFrame(QWidget& window, QPoint p) override;
    QRect frame(QWidget& window) override;
    QRect freeArea() override;
    std::string offScreenFault(QWidget& window) override;
    void watch(QWidget& window) override;
    std::string gaps() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string gaps_;
};

}  // namespace qtsupport
