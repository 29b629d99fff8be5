#include "desktop.h"

#include <QApplication>
#include <QPlatformSurfaceEvent>
#include <QScreen>
#include <QWindow>
#include <utility>

namespace qtsupport {

void OffscreenDesktop::minimise(QWidget& window) {
    window.setWindowState(window.windowState() | Qt::WindowMinimized);
}

void OffscreenDesktop::moveFrame(QWidget& window, QPoint p) {
    window.move(p);  // a window's position is its frame's
}

QRect OffscreenDesktop::frame(QWidget& window) {
    return window.frameGeometry();
}

QRect OffscreenDesktop::freeArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

std::string OffscreenDesktop::offScreenFault(QWidget& window) {
    QCoreApplication::processEvents();  // the platform reports activation as an event
    if (!window.isVisible()) return "the window is hidden";
    if (window.windowState() & Qt::WindowMinimized) return "the window is minimised";
    if (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return "the window fills the screen";
    if (QApplication::activeWindow() != &window) return "another window is active";
    return "";
}

void OffscreenDesktop::watch(QWidget& window) {
    window.installEventFilter(this);
    window.windowHandle()->installEventFilter(this);
}

// A minimised window stays shown to Qt; only the program hides a window or destroys it.
bool OffscreenDesktop::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Hide && !event->spontaneous()) gaps_ += "hidden; ";
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
        gaps_ += "destroyed; ";
    }
    return false;
}

std::string OffscreenDesktop::gaps() {
    QCoreApplication::processEvents();
    return std::exchange(gaps_, {});
}

}  // namespace qtsupport
