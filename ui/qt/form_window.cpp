#include "ui/qt/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/qt/control_widget.h"
#include "ui/qt/look.h"
#include "ui/qt/view.h"

namespace uiqt {

namespace {
// Where the client area of the run's first screen stands on the desktop; every later screen
// takes the place of the one it replaces (View::placeForNextScreen).
constexpr int kDesignLeftTwips = 3375;
constexpr int kDesignTopTwips = 3285;
}  // namespace

FormWindow::FormWindow(ui::Form& form, View& view) : QWidget(nullptr), form_(form), view_(view) {
    setObjectName(QString::fromStdString(form.name()));
    setAttribute(Qt::WA_QuitOnClose, false);
    const QSize client(toPixels(form.clientWidth()), toPixels(form.clientHeight()));
    setGeometry(QRect(QPoint(toPixels(kDesignLeftTwips), toPixels(kDesignTopTwips)), client));
    setFixedSize(client);

    // Children stack in creation order, the last on top: create from the bottom up.
    const auto& topFirst = form.controls();
    for (auto it = topFirst.rbegin(); it != topFirst.rend(); ++it) {
        ui::Control* control = *it;
        QWidget* w = nullptr;
        if (control->kind() == ui::Kind::CommandButton) {
            w = new ButtonWidget(static_cast<ui::CommandButton&>(*control), view_, this);
        } else {
            w = new ControlWidget(*control, view_, this);
        }
        widgets_.insert(control, w);
    }
    chainFocus();
    sync();
}

// Qt chains the focus in creation order, which is the stacking order here; the tab indices
// decide instead.
void FormWindow::chainFocus() {
    std::vector<ui::Control*> byTab = form_.controls();
    std::stable_sort(byTab.begin(), byTab.end(), [](const ui::Control* a, const ui::Control* b) {
        return a->tabIndex() < b->tabIndex();
    });
    for (const ui::Control* control : byTab) {
        QWidget* w = widgets_.value(control);
        if (w->focusPolicy() != Qt::NoFocus) tabOrder_.push_back(w);
    }
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

void FormWindow::focusFirst() {
    for (QWidget* w : tabOrder_) {
        if (w->isVisibleTo(this)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

QWidget* FormWindow::widgetFor(const ui::Control& control) const {
    return widgets_.value(&control, nullptr);
}

void FormWindow::sync() {
    setWindowTitle(QString::fromStdString(form_.caption()));
    if (form_.backColour()) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, toQColor(*form_.backColour()));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    if (form_.visible() && !isVisible()) {
        comeUp();
    } else if (!form_.visible() && isVisible()) {
        view_.screenLeaves(*this);
        hide();
    }
}

// To the player the game is one window whose content changes: each screen comes up where the
// one it replaces stands, in front, with the keyboard, and never minimised. A window that was
// hidden while minimised (the computer's last shot hides the battle whatever its state) would
// otherwise come back minimised, with no game window on screen at all. The windows have a fixed
// size, so no other state than the normal one makes sense either.
void FormWindow::comeUp() {
    // The game's windows share one size and one kind of frame, so the same client position is
    // the same frame position. Placing the client area is exact; placing the frame of a window
    // shown before is not: under a window manager Qt puts it off by the decoration.
    if (const std::optional<QPoint> place = view_.placeForNextScreen(*this))
        setGeometry(QRect(*place, size()));
    setWindowState(windowState() &
                   ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    show();
    // The offscreen platform of the tests has no stacking to change and warns of a raise.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
    activateWindow();
    focusFirst();
}

// The close box is an input like a click: dropped, with the window left open, while the
// question box is open or once its screen is gone.
void FormWindow::closeEvent(QCloseEvent* event) {
    if (view_.deliverClose(form_)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace uiqt
