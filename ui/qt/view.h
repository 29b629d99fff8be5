// The painting layer for a set of forms: one window whose page is the screen the model shows,
// a page for each form built the first time the model shows it, real clicks delivered into the
// model, and the model's timers driven with real time. Clicks are delivered as handlers: no
// tick runs until the click's handler has returned. Before an input reaches a widget, the
// application's input gate (input_gate.h) holds it to the screen it began on.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/qt/picture_cache.h"

namespace uiqt {

class FormPage;
class GameWindow;

class View final : public QObject {
public:
    View(ui::Application& app, std::vector<ui::Form*> forms);
    ~View() override;

    ui::Application& app() const { return app_; }
    PictureCache& pictures() { return pictures_; }

    // The one window of the game: mapped from the first screen's showing to the program's end.
    GameWindow& window() const { return *window_; }
    // The page of a form, or nullptr before the form was first shown.
    FormPage* pageFor(const ui::Form& form) const;
    // Whether the window is up with the form's page in it.
    bool onScreen(const ui::Form& form) const;
    QWidget* widgetFor(const ui::Control& control) const;

    // The user's inputs. Each is delivered only if, once the ticks that fell due before it
    // have run, the screen it was made on (and its control) is still shown, the program runs
    // on and no handler is running; otherwise it is dropped, since what it was aimed at is
    // gone. A tick can take a screen away under the player's hand: the computer's last shot
    // ends the battle and shows the result screen.
    void deliverClick(ui::Control& control);
    // The close box, made on a screen, which ends the program; false when it was dropped.
    bool deliverClose(ui::Form& form);

    // Re-arms the wake-up for the model's next due tick.
    void rearm();

    // A widget whose control changed. While the view dispatches an event into the model the
    // widget is only noted, and every window repaints its changed parts once, at once, when
    // the event is done: no second wake-up just to paint. Otherwise Qt schedules the paint.
    void invalidate(QWidget* widget);

private:
    class FormLink;
    bool accepts(const ui::Form& form, const ui::Control* control) const;
    bool deliver(const ui::Form& form, const ui::Control* control,
                 const std::function<void()>& input);
    void wake();
    void screensChanged();
    void settle();
    void repaintChanged();

    class Dispatch;  // marks the span of one event delivered into the model

    ui::Application& app_;
    PictureCache pictures_;
    std::unique_ptr<GameWindow> window_;
    std::vector<std::unique_ptr<FormLink>> links_;
    FormLink* lastShown_ = nullptr;  // the form shown last, hidden since or not
    bool unsettled_ = false;         // a form was shown or hidden, or its caption or colour changed
    QTimer wakeUp_;
    int dispatchDepth_ = 0;
    std::vector<QPointer<QWidget>> changed_;
};

}  // namespace uiqt
