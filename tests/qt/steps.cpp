#include "steps.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <utility>

namespace qtsupport {

void Steps::then(std::function<void()> step) {
    steps_.push_back(Step{std::move(step), {}, 0, {}});
}

void Steps::until(std::function<bool()> done, int limitMs, std::string what) {
    steps_.push_back(Step{[] {}, std::move(done), limitMs, std::move(what)});
}

void Steps::pause(int ms) {
    auto since = std::make_shared<QElapsedTimer>();
    steps_.push_back(Step{[since] { since->start(); },
                          [since, ms] { return since->hasExpired(ms); }, ms + 10000,
                          "time to pass"});
}

std::string Steps::play(int limitMs) {
    finished_ = false;
    fault_.clear();
    QTimer::singleShot(0, &timers_, [this] { next(); });
    QElapsedTimer played;
    played.start();
    while (!finished_) {
        if (played.hasExpired(limitMs)) {
            // Only reached outside every box's loop: a box would have ended the play itself.
            steps_.clear();
            return "the steps took more than " + std::to_string(limitMs) + " ms";
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return fault_;
}

// The next step is armed before this one runs, so that it comes even while this one runs a
// box's loop.
void Steps::next() {
    if (steps_.empty()) return finish("");
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    if (!step.done) {
        QTimer::singleShot(0, &timers_, [this] { next(); });
        step.run();
        return;
    }
    step.run();
    QElapsedTimer since;
    since.start();
    await(step, since);
}

void Steps::await(const Step& step, const QElapsedTimer& since) {
    if (step.done()) {
        QTimer::singleShot(0, &timers_, [this] { next(); });
    } else if (since.hasExpired(step.limitMs)) {
        finish("waited " + std::to_string(step.limitMs) + " ms for " + step.what);
    } else {
        QTimer::singleShot(2, &timers_, [this, step, since] { await(step, since); });
    }
}

// A box still open is closed, as its close box does (the answer No), which lets the step that
// opened it return.
void Steps::finish(std::string fault) {
    steps_.clear();
    if (QWidget* box = QApplication::activeModalWidget()) {
        if (fault.empty()) fault = "a question box was left open";
        box->close();
    }
    fault_ = std::move(fault);
    finished_ = true;
}

}  // namespace qtsupport
