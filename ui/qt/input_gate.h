// Holds each real input to the screen it began on. A player's double click, a burst of clicks
// or a key held down goes on after the screen it was made on has given way to the next one,
// which must not take it:
// - a mouse press that comes within the platform's double-click interval of the press before,
//   on another screen than the one that took that press (the game window turned to another
//   page, or the question box opened or closed, in between), is dropped with its release;
// - a key acts on the screen it went down on, once: its repeats press nothing, and neither does
//   its release on a screen that came up while it was held.
// X repeats a held key as a release and a press that share one timestamp, and Qt does not
// always mark such a pair as a repeat when it straddles a change of the focused window: a press
// with the timestamp of its key's last release is a repeat, marked or not.
//
// One gate serves the application, which owns it. It watches every event: an input is judged
// where it enters, at the native window, and again on its way to the widget, or only at the
// widget when it is sent there straight (as tests do); judging an event twice gives the same
// verdict.
#pragma once

#include <QObject>
#include <QPointer>
#include <QtGlobal>
#include <optional>
#include <unordered_map>
#include <utility>

class QCoreApplication;
class QKeyEvent;
class QMouseEvent;

namespace uiqt {

class InputGate final : public QObject {
public:
    // Installs the application's gate, the first time it is asked for.
    static void installOn(QCoreApplication& app);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit InputGate(QCoreApplication& app);
    bool takesPress(const QObject* screen, const QMouseEvent& e);
    bool takesRelease(const QMouseEvent& e);
    bool takesKey(const QObject* screen, const QKeyEvent& e);

    // The mouse.
    std::optional<quint64> lastPress_;   // when the last press came, taken or dropped
    QPointer<const QObject> pressedOn_;  // the screen that took the last press taken
    int dropping_ = 0;                   // buttons whose press was dropped, until their release
    std::optional<std::pair<int, quint64>> droppedRelease_;  // the last release dropped

    // The keys, by the key they are on.
    struct Hold {
        QPointer<const QObject> wentDownOn;  // the screen that took the key's last fresh press
        quint64 releasedAt = 0;              // the timestamp of its last release
    };
    std::unordered_map<quint64, Hold> keys_;
};

}  // namespace uiqt
