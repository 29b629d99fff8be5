#include "ui/application.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/timer.h"

namespace ui {

Application::Application(Clock& clock, Random& random, Platform& platform)
    : clock_(clock), random_(random), platform_(platform) {}

Millis Application::now() const {
    return tickTime_ ? *tickTime_ : clock_.now();
}

Answer Application::ask(const std::string& text, const std::string& title) {
    ++questionDepth_;
    const Answer answer = platform_.ask(text, title);
    --questionDepth_;
    if (questionDepth_ == 0) dropMissedTicks();
    return answer;
}

void Application::end() {
    if (ended_) return;
    ended_ = true;
    for (Timer* t : timers_)
        t->due_.reset();
    platform_.endProgram();
}

void Application::enrol(Timer& t) {
    t.order_ = nextOrder_++;
    timers_.push_back(&t);
}

void Application::withdraw(Timer& t) {
    std::erase(timers_, &t);
}

void Application::scheduleChanged() {
    if (scheduleObserver_) scheduleObserver_();
}

void Application::dropMissedTicks() {
    const Millis t = clock_.now();
    for (Timer* timer : timers_) {
        if (timer->due_ && *timer->due_ <= t && timer->interval_ > 0) {
            const Millis missed = (t - *timer->due_) / timer->interval_ + 1;
            *timer->due_ += missed * timer->interval_;
        }
    }
    scheduleChanged();
}

std::optional<Millis> Application::nextDue(bool shownFormsOnly) const {
    if (ended_ || busy()) return std::nullopt;
    std::optional<Millis> best;
    for (const Timer* t : timers_) {
        if (shownFormsOnly && !t->form().visible()) continue;
        if (t->due_ && (!best || *t->due_ < *best)) best = t->due_;
    }
    return best;
}

void Application::fireDueTimers() {
    if (ended_ || busy()) return;
    const Millis t = clock_.now();
    std::vector<Timer*> due;
    for (Timer* timer : timers_) {
        if (timer->due_ && *timer->due_ <= t) due.push_back(timer);
    }
    std::sort(due.begin(), due.end(), [](const Timer* a, const Timer* b) {
        return *a->due_ != *b->due_ ? *a->due_ < *b->due_ : a->order_ < b->order_;
    });
    for (Timer* timer : due) {
        // An earlier handler of this round may have stopped or re-armed the timer.
        if (!timer->due_ || *timer->due_ > t) continue;
        if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end()) continue;
        Millis next = *timer->due_ + timer->interval_;
        if (next <= t) next = t + timer->interval_;  // late: one tick now, none to catch up
        timer->due_ = next;
        tickTime_ = t;
        timer->tick();
        tickTime_.reset();
        if (ended_) break;
    }
    scheduleChanged();
}

void advance(Application& app, ManualClock& clock, Millis ms) {
    const Millis target = clock.now() + ms;
    while (true) {
        const std::optional<Millis> due = app.nextDue();
        if (!due || *due > target) break;
        if (*due > clock.now()) clock.set(*due);
        app.fireDueTimers();
    }
    clock.set(target);
}

}  // namespace ui
