#include "ui/timer.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Timer::Timer(Form& form, std::string name, int intervalMs)
    : form_(form), name_(std::move(name)), interval_(intervalMs < 0 ? 0 : intervalMs) {
    form_.adopt(*this);
    form_.app().enrol(*this);
}

Timer::~Timer() {
    form_.app().withdraw(*this);
    form_.forget(*this);
}

void Timer::setInterval(int ms) {
    if (ms < 0) ms = 0;
    if (ms == interval_) return;  // the same interval never restarts the countdown
    interval_ = ms;
    if (!form_.loaded()) return;  // counts only from the form's load
    if (ms == 0) {
        due_.reset();
    } else {
        due_ = form_.app().now() + ms;
    }
    form_.app().scheduleChanged();
}

void Timer::start() {
    if (interval_ > 0 && !due_) {
        due_ = form_.app().now() + interval_;
        form_.app().scheduleChanged();
    }
}

void Timer::tick() {
    if (onTimer_) onTimer_();
}

}  // namespace ui
