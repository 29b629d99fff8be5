// A timer of a form. Its rules are the ones the screens are written against:
//  - interval 0 means stopped: no ticks;
//  - giving a stopped timer a non-zero interval starts a countdown, first tick one interval
//    later, then one tick per interval;
//  - giving it the interval it already has changes nothing (the countdown runs on);
//  - another non-zero interval restarts the countdown from the moment of the change;
//  - it starts when its form is loaded and ticks while the form is hidden;
//  - ticks run between handlers, never inside one (the application dispatches them).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/clock.h"

namespace ui {

class Form;

class Timer {
public:
    Timer(Form& form, std::string name, int intervalMs);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    Form& form() const { return form_; }

    int interval() const { return interval_; }
    void setInterval(int ms);

    void setTickHandler(std::function<void()> handler) { onTimer_ = std::move(handler); }

    // When the next tick falls due, if the timer runs.
    std::optional<Millis> due() const { return due_; }

private:
    friend class Application;
    friend class Form;

    void start();  // the form was loaded
    void tick();

    Form& form_;
    std::string name_;
    int interval_;
    std::optional<Millis> due_;
    std::function<void()> onTimer_;
    int order_ = 0;  // creation order: equal due times fire in this order
};

}  // namespace ui
