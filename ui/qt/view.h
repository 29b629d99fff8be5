// The painting layer for a set of forms: builds a window for each form the first time the
// model shows it, delivers real clicks into the model, and drives the model's timers with real
// time. Clicks are delivered as handlers: no tick runs until the click's handler has returned.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/qt/picture_cache.h"

namespace uiqt {

class FormWindow;

class View final : public QObject {
public:
    View(ui::Application& app, std::vector<ui::Form*> forms);
    ~View() override;

    ui::Application& app() const { return app_; }
    PictureCache& pictures() { return pictures_; }

    // The window of a form, or nullptr before the form was first shown.
    FormWindow* windowFor(const ui::Form& form) const;
    QWidget* widgetFor(const ui::Control& control) const;

    // The user's inputs. Each is delivered only if, once the ticks that fell due before it
    // have run, the screen it was made on (and its control) is still shown, the program runs
    // on and no handler is running; otherwise it is dropped, since what it was aimed at is
    // gone. A tick can take a screen away under the player's hand: the computer's last shot
    // ends the battle and shows the result screen.
    void deliverClick(ui::Control& control);
    // The close box of a form's window, which ends the program; false when it was dropped.
    bool deliverClose(ui::Form& form);

    // Where the client area of a screen coming up goes: where that of the screen it replaces
    // stands. That one is either shown still (the welcome label shows the placement
    // screen before it hides the welcome screen) or has just left (the battle is hidden before
    // the result comes). None for the run's first screen, which keeps its design position.
    std::optional<QPoint> placeForNextScreen(const FormWindow& next) const;
    void screenLeaves(const FormWindow& window);

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
    void repaintChanged();

    class Dispatch;  // marks the span of one event delivered into the model

    ui::Application& app_;
    PictureCache pictures_;
    std::vector<std::unique_ptr<FormLink>> links_;
    QTimer wakeUp_;
    int dispatchDepth_ = 0;
    std::vector<QPointer<QWidget>> changed_;
    std::optional<QPoint> lastPlace_;  // the client area's top-left of the screen that left last
};

}  // namespace uiqt
