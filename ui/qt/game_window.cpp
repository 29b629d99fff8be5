#include "ui/qt/game_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "ui/form.h"
#include "ui/qt/form_page.h"
#include "ui/qt/look.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/view.h"

namespace uiqt {

namespace {
// Where the screens' client area stands on the desktop in their design.
constexpr int kDesignLeftTwips = 3375;
constexpr int kDesignTopTwips = 3285;

bool offscreen() {
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

// On Wayland the compositor alone places windows, and a client knows neither where its window
// is nor where the panels are.
bool placesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
}  // namespace

GameWindow::GameWindow(View& view, QSize client) : QWidget(nullptr), view_(view) {
    setObjectName(QStringLiteral("game"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(client);
    setFixedSize(client);
}

void GameWindow::showPage(FormPage& page, bool comeUp) {
    if (page_ != &page) {
        // Both in one go, before anything is painted: the window never shows neither page.
        page.show();
        if (page_ != nullptr) page_->hide();
        page_ = &page;
    }
    // A screen with a colour of its own has its page paint it; the others show the window's,
    // the toolkit's window colour.
    setWindowTitle(QString::fromStdString(page.form().caption()));
    if (!isVisible()) open();
    if (comeUp) this->comeUp();
}

// The first opening. The frame that the window manager puts around the client area is known
// only once it has framed the window: until then the client area alone is fitted, which is
// exact where the platform draws no frame and brings most of a frame onto a small screen; the
// first exposure fits the whole frame.
void GameWindow::open() {
    QRect client(QPoint(toPixels(kDesignLeftTwips), toPixels(kDesignTopTwips)), size());
    QScreen* screen = QGuiApplication::screenAt(client.topLeft());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) client.moveTopLeft(fitFrameInto(client, screen->availableGeometry()));
    setGeometry(client);
    winId();  // the native window, to watch its exposure
    windowHandle()->installEventFilter(this);
    show();
    if (!windowHandle()->frameMargins().isNull()) fitFrame();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!fitted_ && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        fitFrame();
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::fitFrame() {
    fitted_ = true;
    windowHandle()->removeEventFilter(this);
    if (!placesWindows()) return;
    const QRect frame = frameGeometry();
    const QPoint place = fitFrameInto(frame, screen()->availableGeometry());
    if (place != frame.topLeft()) move(place);  // a move places the frame
}

// To the player the game is one window whose content changes: a screen comes up in front,
// with the keyboard, and never minimised. The computer's last shot ends a battle whatever the
// window's state, and a result behind a minimised window would leave no game on screen. The
// window has a fixed size, so no other state than the normal one makes sense either.
void GameWindow::comeUp() {
    setWindowState(windowState() &
                   ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    show();
    // The offscreen platform of the tests has no stacking to change and warns of a raise.
    if (!offscreen()) raise();
    activateWindow();
    page_->focusFirst();
}

// The close box is an input like a click on the screen shown: dropped, with the window left
// open, while the question box is open or once that screen is gone.
void GameWindow::closeEvent(QCloseEvent* event) {
    if (page_ != nullptr && view_.deliverClose(page_->form())) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace uiqt
