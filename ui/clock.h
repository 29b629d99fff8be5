// Time as the timers see it, in milliseconds. The application reads a steady clock; tests use
// the manual clock and move it forward themselves (see ui::advance in application.h).
#pragma once

#include <cstdint>

namespace ui {

using Millis = std::int64_t;

class Clock {
public:
    virtual ~Clock() = default;
    virtual Millis now() const = 0;
};

class SteadyClock final : public Clock {
public:
    SteadyClock();
    Millis now() const override;

private:
    Millis origin_;
};

class ManualClock final : public Clock {
public:
    Millis now() const override { return now_; }
    void set(Millis t) { now_ = t; }

private:
    Millis now_ = 0;
};

}  // namespace ui
