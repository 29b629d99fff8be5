#include "wayland_desktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QWindow>
#include <functional>
#include <stdexcept>
#include <utility>

namespace desktop {

namespace {

constexpr int kWaitMs = 5000;  // for the compositor to answer a request

// Runs Qt's events for `ms`, or until `done` holds.
bool until(int ms, const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    for (;;) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (done()) return true;
        if (t.elapsed() > ms) return false;
    }
}

}  // namespace

void WaylandDesktop::minimise(QWidget&) {
    throw std::logic_error("a Wayland client cannot see or undo a minimising");
}

void WaylandDesktop::moveFrame(QWidget&, QPoint) {
    throw std::logic_error("on Wayland the compositor alone places windows");
}

QRect WaylandDesktop::frame(QWidget& window) {
    return window.frameGeometry();
}

QRect WaylandDesktop::freeArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

std::string WaylandDesktop::offScreenFault(QWidget& window) {
    until(kWaitMs, [&] { return faultNow(window).empty(); });
    return faultNow(window);
}

// The compositor gives a client neither activation nor a stacking to read without a seat, as
// under a headless compositor; the keyboard is the window's own to give.
std::string WaylandDesktop::faultNow(QWidget& window) {
    if (!window.isVisible()) return "the window is hidden";
    if (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
        return "the window is not exposed";
    if (window.windowState() & Qt::WindowMinimized) return "Qt holds the window minimised";
    if (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return "the window fills the screen";
    return "";
}

void WaylandDesktop::watch(QWidget& window) {
    window.installEventFilter(this);
    window.windowHandle()->installEventFilter(this);
}

bool WaylandDesktop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose) {
        const auto* w = qobject_cast<QWindow*>(watched);
        if (w != nullptr && !w->isExposed()) gaps_ += "unexposed; ";
    }
    if (event->type() == QEvent::Hide && !event->spontaneous()) gaps_ += "hidden; ";
    return false;
}

// A surface that the compositor stops showing is reported at the client's next frame, up to a
// tenth of a second later: wait for that long.
std::string WaylandDesktop::gaps() {
    until(200, [] { return false; });
    return std::exchange(gaps_, {});
}

}  // namespace desktop
