#include "ui/qt/input_gate.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

#include "ui/qt/form_page.h"
#include "ui/qt/game_window.h"

namespace uiqt {

namespace {

// The screen an event is aimed at: the page the game window shows, or another window (the
// question box); nullptr for what is neither.
const QObject* screenOf(QObject* receiver) {
    if (receiver->isWindowType()) {
        // The native window of a widget hands its inputs to a widget of its own.
        receiver = static_cast<QWindow*>(receiver)->focusObject();
        if (receiver == nullptr) return nullptr;
    }
    if (!receiver->isWidgetType()) return nullptr;
    QWidget* window = static_cast<QWidget*>(receiver)->window();
    if (const auto* game = dynamic_cast<const GameWindow*>(window)) {
        if (game->page() != nullptr) return game->page();
    }
    return window;
}

// A key as the keyboard knows it: the same key is pressed and released whatever the modifiers
// make of its code. Tests' events carry no scan code.
quint64 keyOf(const QKeyEvent& e) {
    if (e.nativeScanCode() != 0) return (quint64{1} << 32) | e.nativeScanCode();
    return static_cast<quint32>(e.key());
}

}  // namespace

void InputGate::installOn(QCoreApplication& app) {
    static const char* const kName = "inputGate";
    if (app.findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly) != nullptr)
        return;
    auto* gate = new InputGate(app);
    gate->setObjectName(QLatin1String(kName));
}

InputGate::InputGate(QCoreApplication& app) : QObject(&app) {
    app.installEventFilter(this);
}

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            break;
        default:
            return false;
    }
    const QObject* screen = screenOf(watched);
    if (screen == nullptr) return false;
    bool takes = true;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:  // Qt's second press of a double click
            takes = takesPress(screen, *static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseButtonRelease:
            takes = takesRelease(*static_cast<QMouseEvent*>(event));
            break;
        default:
            takes = takesKey(screen, *static_cast<QKeyEvent*>(event));
            break;
    }
    return !takes;
}

bool InputGate::takesPress(const QObject* screen, const QMouseEvent& e) {
    const quint64 at = e.timestamp();
    const auto interval =
        static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const bool quick = lastPress_ && at >= *lastPress_ && at - *lastPress_ < interval;
    lastPress_ = at;
    const int button = static_cast<int>(e.button());
    // A box that has closed since is gone, and so is not this screen either.
    if (quick && pressedOn_ != screen) {
        dropping_ |= button;
        return false;
    }
    pressedOn_ = screen;
    dropping_ &= ~button;
    return true;
}

bool InputGate::takesRelease(const QMouseEvent& e) {
    const int button = static_cast<int>(e.button());
    const std::pair<int, quint64> release{button, e.timestamp()};
    if ((dropping_ & button) != 0) {
        dropping_ &= ~button;
        droppedRelease_ = release;
        return false;
    }
    return droppedRelease_ != release;
}

bool InputGate::takesKey(const QObject* screen, const QKeyEvent& e) {
    Hold& hold = keys_[keyOf(e)];
    if (e.type() == QEvent::KeyPress) {
        const bool repeat =
            e.isAutoRepeat() || (e.timestamp() != 0 && e.timestamp() == hold.releasedAt);
        if (repeat) return false;
        hold.wentDownOn = screen;
        return true;
    }
    if (e.isAutoRepeat()) return false;  // the press of its pair follows
    hold.releasedAt = e.timestamp();
    return hold.wentDownOn == screen;
}

}  // namespace uiqt
