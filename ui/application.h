// The running program as the screens see it: the clock and the timers, the random source, the
// question box and the end of the program. The painting layer supplies a Platform; tests supply
// a scripted one. Timer ticks are dispatched here, so their rules hold whatever toolkit runs
// underneath: ticks never nest inside a handler, late ticks coalesce into one, and while the
// question box is open no tick is delivered (those that fall due meanwhile are dropped).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/clock.h"
#include "ui/random.h"

namespace ui {

class Timer;

enum class Answer { Yes, No };

// What the windowing toolkit must provide beyond drawing.
class Platform {
public:
    virtual ~Platform() = default;
    // A modal question box: the text, the title, a question icon, Yes and No with Yes the
    // default; closing it without an answer counts as No.
    virtual Answer ask(const std::string& text, const std::string& title) = 0;
    // Ends the program. Called once.
    virtual void endProgram() = 0;
};

class Application {
public:
    Application(Clock& clock, Random& random, Platform& platform);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Clock& clock() const { return clock_; }
    Random& random() const { return random_; }

    // The time a handler sees: the due time of the tick being run, else the clock's time.
    Millis now() const;

    Answer ask(const std::string& text, const std::string& title);
    void end();
    bool ended() const { return ended_; }
    // Inside a handler (a delivered click or a tick) or while the question box is open. An
    // input that arrives now, from an event loop nested in the handler, must not run nested in
    // it: the painting layer drops it, as the question box's modality would.
    bool busy() const { return handlerDepth_ > 0 || questionDepth_ > 0 || tickTime_.has_value(); }

    // Runs every timer whose tick is due at the clock's current time, each at most once, in
    // order of due time, ties in order of timer creation. Does nothing inside a handler, while
    // the question box is open, or once the program has ended.
    void fireDueTimers();
    // The earliest due tick, or nothing when no timer runs (or ticks are held back). With
    // `shownFormsOnly`, only the timers of forms on screen count: a hidden form's ticks show
    // nothing, so a real-time driver need not wake for them; they run at the next wake-up.
    std::optional<Millis> nextDue(bool shownFormsOnly = false) const;

    // Told whenever a timer's schedule changes, so a driver can re-arm its wake-up.
    void setScheduleObserver(std::function<void()> o) { scheduleObserver_ = std::move(o); }

    // A scope in which handlers run; ticks wait until it ends. The painting layer wraps every
    // click it delivers in one.
    class HandlerScope {
    public:
        explicit HandlerScope(Application& app) : app_(app) { ++app_.handlerDepth_; }
        ~HandlerScope() { --app_.handlerDepth_; }
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

    private:
        Application& app_;
    };

private:
    friend class Timer;
    void enrol(Timer& t);
    void withdraw(Timer& t);
    void scheduleChanged();
    void dropMissedTicks();

    Clock& clock_;
    Random& random_;
    Platform& platform_;
    std::vector<Timer*> timers_;
    int nextOrder_ = 0;
    int handlerDepth_ = 0;
    int questionDepth_ = 0;
    std::optional<Millis> tickTime_;
    bool ended_ = false;
    std::function<void()> scheduleObserver_;
};

// For tests on the manual clock: moves time forward by `ms`, running every tick that falls due
// on the way at its own due time, as real time would with no lateness.
void advance(Application& app, ManualClock& clock, Millis ms);

}  // namespace ui
