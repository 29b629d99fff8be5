// A test's inputs played from the event loop, one after the other, each from a timer of its
// own. A click that opens the question box runs the box's loop inside the click: the steps
// after it then run inside that loop, as a player's next inputs do, and the step that answers
// the box lets the click return.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <deque>
#include <functional>
#include <string>

namespace qtsupport {

class Steps {
public:
    // A step done when it returns.
    void then(std::function<void()> step);
    // A step done once `done` holds, checked every few milliseconds; the play fails, saying
    // `what` was awaited, when `limitMs` pass first.
    void until(std::function<bool()> done, int limitMs, std::string what);
    // Real time passing.
    void pause(int ms);

    // Plays every step given, then closes any question box still open. Returns "" when all went
    // through and no box was left open; otherwise what went wrong.
    std::string play(int limitMs = 30000);

private:
    struct Step {
        std::function<void()> run;
        std::function<bool()> done;  // empty: done when run returns
        int limitMs = 0;
        std::string what;
    };
    void next();
    void await(const Step& step, const QElapsedTimer& since);
    void finish(std::string fault);

    QObject timers_;  // the steps' timers go with the steps
    std::deque<Step> steps_;
    bool finished_ = false;
    std::string fault_;
};

}  // namespace qtsupport
