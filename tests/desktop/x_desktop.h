// The desktop of an X display run by a window manager, as the player meets it: windows are
// minimised and moved through the window manager, and what is on screen is read from the X
// server, its own connection seeing the window's map and unmap events. Each action waits for
// the window manager and Qt to agree that it is done. The X server counts device pixels; they
// are turned into Qt's logical ones by the screen's scale.
#pragma once

#include <QRect>
#include <functional>
#include <string>

#include "desktop.h"

// Xlib's names stay out of this header: its macros (Bool, Status, None ...) break Qt's.
struct _XDisplay;

namespace desktop {

// A point of Qt's logical pixels in the X server's device pixels, which the screen's scale
// multiplies.
QPoint toDevicePixels(QPoint logical);

using XWindow = unsigned long;  // Xlib's Window

class XDesktop final : public qtsupport::Desktop {
public:
    XDesktop();  // opens the display and waits for its window manager
    ~XDesktop() override;
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    void minimise(QWidget& window) override;
    void moveFrame(QWidget& window, QPoint p) override;
    QRect frame(QWidget& window) override;
    QRect freeArea() override;
    std::string offScreenFault(QWidget& window) override;
    void watch(QWidget& window) override;
    std::string gaps() override;

private:
    void readEvents();
    std::string faultNow(QWidget& window);
    void awaitComeUp(QWidget& window);
    XWindow frameOf(XWindow client);
    long wmState(XWindow client);  // WM_STATE's state: 1 normal, 3 iconic; 0 when withdrawn
    XWindow activeWindow();
    XWindow topWindow();
    // Runs Qt's events until `done` holds or `ms` have passed; tells which.
    bool until(int ms, const std::function<bool()>& done);

    _XDisplay* display_;
    XWindow watched_ = 0;
    bool minimisedByPlayer_ = false;  // from the player's minimising to the window's next mapping
    std::string gaps_;
};

}  // namespace desktop
