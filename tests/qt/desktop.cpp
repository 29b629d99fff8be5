#include "desktop.h"

#include <QApplication>

namespace qtsupport {

void OffscreenDesktop::minimise(QWidget& window) {
    window.setWindowState(window.windowState() | Qt::WindowMinimized);
}

void OffscreenDesktop::moveFrame(QWidget& window, QPoint p) {
    window.move(p);  // a window's position is its frame's
}

QPoint OffscreenDesktop::frameTopLeft(QWidget& window) {
    return window.frameGeometry().topLeft();
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

}  // namespace qtsupport
