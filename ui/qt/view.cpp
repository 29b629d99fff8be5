#include "ui/qt/view.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

#include "ui/control.h"
#include "ui/qt/form_page.h"
#include "ui/qt/game_window.h"
#include "ui/qt/input_gate.h"
#include "ui/qt/look.h"

namespace uiqt {

// Follows one form of the model; its page comes into being at the form's first showing.
class View::FormLink final : public ui::FormObserver {
public:
    FormLink(View& view, ui::Form& form) : view_(view), form_(form) { form_.setObserver(this); }
    ~FormLink() override { form_.setObserver(nullptr); }

    void formChanged() override {
        if (page_ == nullptr && form_.visible()) {
            page_ = new FormPage(form_, view_, view_.window_.get());  // owned by the window
            page_->hide();  // until the window turns to it
        }
        if (page_ != nullptr) page_->syncBackground();
        if (form_.visible() && !wasVisible_) {
            shown_ = true;
            view_.lastShown_ = this;
        }
        wasVisible_ = form_.visible();
        view_.screensChanged();
    }

    ui::Form& form() const { return form_; }
    FormPage* page() const { return page_; }
    // Whether the form was shown since the window last settled; clears the note.
    bool takeShown() { return std::exchange(shown_, false); }

private:
    View& view_;
    ui::Form& form_;
    FormPage* page_ = nullptr;
    bool wasVisible_ = false;
    bool shown_ = false;
};

View::View(ui::Application& app, std::vector<ui::Form*> forms) : app_(app) {
    InputGate::installOn(*QCoreApplication::instance());
    wakeUp_.setSingleShot(true);
    wakeUp_.setTimerType(Qt::PreciseTimer);
    connect(&wakeUp_, &QTimer::timeout, this, &View::wake);
    // Every screen has the same client size: the window takes the first one's.
    const ui::Form& first = *forms.front();
    window_ = std::make_unique<GameWindow>(
        *this, QSize(toPixels(first.clientWidth()), toPixels(first.clientHeight())));
    for (ui::Form* form : forms)
        links_.push_back(std::make_unique<FormLink>(*this, *form));
    for (const auto& link : links_)
        link->formChanged();
    app_.setScheduleObserver([this] { rearm(); });
    rearm();
}

View::~View() {
    app_.setScheduleObserver(nullptr);
}

FormPage* View::pageFor(const ui::Form& form) const {
    for (const auto& link : links_) {
        if (&link->form() == &form) return link->page();
    }
    return nullptr;
}

bool View::onScreen(const ui::Form& form) const {
    const FormPage* page = pageFor(form);
    return page != nullptr && page->isVisible();
}

QWidget* View::widgetFor(const ui::Control& control) const {
    FormPage* page = pageFor(control.form());
    return page ? page->widgetFor(control) : nullptr;
}

class View::Dispatch {
public:
    explicit Dispatch(View& view) : view_(view) { ++view_.dispatchDepth_; }
    ~Dispatch() {
        if (--view_.dispatchDepth_ == 0) {
            view_.settle();
            view_.repaintChanged();
        }
    }
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

private:
    View& view_;
};

void View::screensChanged() {
    unsettled_ = true;
    // Inside an event the screens may pass through moments with two forms shown or none; the
    // window follows once the event is done.
    if (dispatchDepth_ == 0) settle();
    rearm();  // the shown forms' timers decide the next wake-up
}

// The window turns to the screen shown last, while it is shown, else to any shown; with none
// shown (the program is ending) it keeps its page, whose inputs are dropped.
void View::settle() {
    if (!std::exchange(unsettled_, false)) return;
    FormLink* target = nullptr;
    if (lastShown_ != nullptr && lastShown_->form().visible()) {
        target = lastShown_;
    } else {
        for (const auto& link : links_) {
            if (link->form().visible()) {
                target = link.get();
                break;
            }
        }
    }
    bool shown = false;
    for (const auto& link : links_) {
        const bool linkShown = link->takeShown();
        if (link.get() == target) shown = linkShown;
    }
    if (target != nullptr) window_->showPage(*target->page(), shown);
}

void View::invalidate(QWidget* widget) {
    if (dispatchDepth_ == 0) {
        widget->update();
        return;
    }
    changed_.emplace_back(widget);
}

void View::repaintChanged() {
    std::vector<QPointer<QWidget>> changed;
    changed.swap(changed_);
    std::sort(changed.begin(), changed.end());
    changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
    // A few widgets (a pulsing label, a shot's cell and report) are painted at once; a screen
    // that changes wholesale is left to Qt to paint in one pass.
    constexpr std::size_t kPaintAtOnce = 8;
    for (const QPointer<QWidget>& w : changed) {
        if (w.isNull()) continue;
        if (changed.size() <= kPaintAtOnce && w->isVisible()) {
            w->repaint();
        } else {
            w->update();
        }
    }
}

bool View::accepts(const ui::Form& form, const ui::Control* control) const {
    return !app_.ended() && !app_.busy() && form.visible() &&
           (control == nullptr || control->visible());
}

bool View::deliver(const ui::Form& form, const ui::Control* control,
                   const std::function<void()>& input) {
    if (!accepts(form, control)) return false;
    Dispatch dispatch(*this);
    app_.fireDueTimers();                       // ticks that fell due before the input come first
    if (!accepts(form, control)) return false;  // and may have taken its screen away
    {
        ui::Application::HandlerScope scope(app_);
        input();
    }
    rearm();
    return true;
}

void View::deliverClick(ui::Control& control) {
    deliver(control.form(), &control, [&control] { control.click(); });
}

bool View::deliverClose(ui::Form& form) {
    return deliver(form, nullptr, [this] { app_.end(); });
}

void View::rearm() {
    const std::optional<ui::Millis> due = app_.nextDue(/*shownFormsOnly=*/true);
    if (!due) {
        // Held back (inside a handler or the question box) or nothing runs; whoever ends the
        // hold re-arms.
        wakeUp_.stop();
        return;
    }
    const ui::Millis wait = std::max<ui::Millis>(0, *due - app_.clock().now());
    wakeUp_.start(static_cast<int>(std::min<ui::Millis>(wait, 24L * 3600 * 1000)));
}

void View::wake() {
    Dispatch dispatch(*this);
    app_.fireDueTimers();
    rearm();
}

}  // namespace uiqt
