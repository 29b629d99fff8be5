#include "ui/qt/view.h"

#include <QCoreApplication>
#include <algorithm>

#include "ui/control.h"
#include "ui/qt/form_window.h"

namespace uiqt {

// Follows one form of the model; the window comes into being at the form's first showing.
class View::FormLink final : public ui::FormObserver {
public:
    FormLink(View& view, ui::Form& form) : view_(view), form_(form) { form_.setObserver(this); }
    ~FormLink() override { form_.setObserver(nullptr); }

    void formChanged() override {
        if (!window_ && form_.visible()) window_ = std::make_unique<FormWindow>(form_, view_);
        if (window_) window_->sync();
        view_.rearm();  // the shown forms' timers decide the next wake-up
    }

    ui::Form& form() const { return form_; }
    FormWindow* window() const { return window_.get(); }

private:
    View& view_;
    ui::Form& form_;
    std::unique_ptr<FormWindow> window_;
};

View::View(ui::Application& app, std::vector<ui::Form*> forms) : app_(app) {
    for (ui::Form* form : forms) {
        links_.push_back(std::make_unique<FormLink>(*this, *form));
        links_.back()->formChanged();
    }
    wakeUp_.setSingleShot(true);
    wakeUp_.setTimerType(Qt::PreciseTimer);
    connect(&wakeUp_, &QTimer::timeout, this, &View::wake);
    app_.setScheduleObserver([this] { rearm(); });
    rearm();
}

View::~View() {
    app_.setScheduleObserver(nullptr);
}

FormWindow* View::windowFor(const ui::Form& form) const {
    for (const auto& link : links_) {
        if (&link->form() == &form) return link->window();
    }
    return nullptr;
}

QWidget* View::widgetFor(const ui::Control& control) const {
    FormWindow* window = windowFor(control.form());
    return window ? window->widgetFor(control) : nullptr;
}

std::optional<QPoint> View::placeForNextScreen(const FormWindow& next) const {
    for (const auto& link : links_) {
        const FormWindow* w = link->window();
        if (w != nullptr && w != &next && w->isVisible()) return w->geometry().topLeft();
    }
    return lastPlace_;
}

void View::screenLeaves(const FormWindow& window) {
    lastPlace_ = window.geometry().topLeft();
}

class View::Dispatch {
public:
    explicit Dispatch(View& view) : view_(view) { ++view_.dispatchDepth_; }
    ~Dispatch() {
        if (--view_.dispatchDepth_ == 0) view_.repaintChanged();
    }
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

private:
    View& view_;
};

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
