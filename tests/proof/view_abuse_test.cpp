// A long randomised run through the real Qt view on the offscreen platform, with the manual
// clock: real mouse clicks on the widgets of the shown window (any control, refused or not),
// Space on the focused button, the close box, clock moves that put an input just before,
// exactly at or just after a due tick, time passing tick by tick or all at once, and the real
// question box answered Yes or No with the mouse or the keyboard, while further inputs and
// time are thrown at the screens behind it. After every event: the model run's invariants (see
// judge.h), the window on the desktop, and every page shown exactly when its screen is.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "battle/form2.h"
#include "bounded_random.h"
#include "judge.h"
#include "manual_view.h"
#include "placement/form1.h"
#include "player.h"
#include "seed_runs.h"
#include "support/screen_state.h"
#include "ui/qt/qt_platform.h"

namespace {

constexpr long kEventsPerSeed = 5'000;
const std::vector<std::uint32_t> kDefaultSeeds = {5, 1009, 65537, 8128, 4181, 2718, 99991, 17};

// The program's own question box; the end of the program is only noted, since the run's
// windows go with the run.
class RealQuestionBox final : public ui::Platform {
public:
    ui::Answer ask(const std::string& text, const std::string& title) override {
        return uiqt::QtPlatform().ask(text, title);
    }
    void endProgram() override {}
};

// One run of the program in real windows.
struct Run {
    explicit Run(std::uint64_t seed) : random(seed) { v.game.start(); }
    proof::BoundedRandom random;
    RealQuestionBox platform;
    qtsupport::ManualView v{random, platform};
    game::Game& game = v.game;
};

class ViewAbuse {
public:
    explicit ViewAbuse(std::uint32_t seed);

    void event();
    proof::Judge judge;
    proof::Tally tally;

private:
    void restart();
    Run& r() { return *run_; }
    int below(int n) { return player_.below(n); }
    ui::Form* shown() { return proof::shownScreen(r().game); }
    void checkWindows();

    // Inputs. Each may open the question box, which is answered from inside its own loop.
    void input(const std::function<void()>& deliver);
    void click(ui::Control* c);
    void clickAtATick();
    void pressSpace();
    void closeBox();
    void passTime();
    void answer();
    void whileTheQuestionIsOpen();

    std::mt19937 rng_;
    proof::Player player_{rng_};
    std::unique_ptr<Run> run_;
    QTimer answerer_;
    std::vector<QWidget*> answering_;  // the question boxes being answered, innermost last
};

ViewAbuse::ViewAbuse(std::uint32_t seed) : rng_(seed) {
    answerer_.setInterval(0);
    QObject::connect(&answerer_, &QTimer::timeout, [this] { answer(); });
    restart();
}

void ViewAbuse::restart() {
    run_.reset();  // its windows first
    run_ = std::make_unique<Run>(rng_());
    judge.follow(r().game);
    player_.newRun();
    ++tally.runs;
}

void ViewAbuse::checkWindows() {
    if (!r().v.window().isVisible()) judge.fail("the game's window is off the desktop");
    for (ui::Form* f : r().game.forms()) {
        if (r().v.onScreen(*f) != f->visible()) {
            judge.fail("the page of " + f->name() + " disagrees with its screen");
        }
    }
}

void ViewAbuse::event() {
    ++tally.events;
    r().random.newEvent();
    ui::Form* form = shown();
    if (form == nullptr) return judge.check();
    const int kind = below(100);
    try {
        if (kind < 20) {
            click(player_.anything(r().game, *form));
        } else if (kind < 70) {
            ui::Control* c = player_.purposeful(r().game, *form);
            c != nullptr ? click(c) : clickAtATick();  // the computer's move: its shots
        } else if (kind < 80) {
            clickAtATick();
        } else if (kind == 80 && below(2) == 0) {
            pressSpace();
        } else if (kind == 81 && below(20) == 0) {
            closeBox();
        } else {
            passTime();
        }
    } catch (const std::exception& e) {
        judge.fail(std::string("a handler failed: ") + e.what());
    }
    judge.check();
    if (!r().v.app.ended()) checkWindows();  // at the end the windows go with the run
    if (r().v.app.ended()) {
        ++tally.exits;
        restart();
    }
}

void ViewAbuse::input(const std::function<void()>& deliver) {
    answerer_.start();
    deliver();
    answerer_.stop();
}

void ViewAbuse::click(ui::Control* c) {
    if (c != nullptr) input([&] { r().v.click(*c); });
}

// Time runs through the view up to a due tick, stops before it, at it or just after it without
// running it, and a click follows: the view must run what is due first and drop the click if
// its screen went away. The shot clock's tick is the one that matters, when it is armed.
void ViewAbuse::clickAtATick() {
    const std::optional<ui::Millis> shotClock = r().game.form2().Timer1.due();
    const std::optional<ui::Millis> due =
        r().game.form2().visible() && shotClock ? shotClock : r().v.app.nextDue();
    if (due) {
        if (*due - 1 > r().v.clock.now()) r().v.advance(*due - 1 - r().v.clock.now());
        const int offsets[] = {-1, 0, 0, 1, 2, 5};
        const ui::Millis at = *due + offsets[below(6)];
        if (at > r().v.clock.now()) r().v.setClock(at);
    }
    ui::Form* form = shown();
    if (form == nullptr) return;
    if (below(2) == 0) return click(player_.anything(r().game, *form));
    // During the computer's move an impatient player shoots all the same.
    ui::Control* c = player_.purposeful(r().game, *form);
    if (c == nullptr && form == &r().game.form2()) c = player_.shot(r().game);
    click(c);
}

void ViewAbuse::pressSpace() {
    QWidget* focused = r().v.window().focusWidget();
    if (focused != nullptr && focused->isVisible()) {
        input([&] { QTest::keyClick(focused, Qt::Key_Space); });
    }
}

void ViewAbuse::closeBox() {
    input([&] { r().v.window().close(); });
}

void ViewAbuse::passTime() {
    const int scale = below(10);
    if (scale < 6) {
        r().v.advance(1 + below(200));
    } else if (scale < 9) {
        r().v.advance(below(4000));
    } else {
        // A late wake-up: everything due runs once, at once.
        r().v.setClock(r().v.clock.now() + below(30000));
        r().v.runDueTicks();
    }
}

// Runs inside the question box's own event loop.
void ViewAbuse::answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || std::find(answering_.begin(), answering_.end(), box) != answering_.end())
        return;
    answering_.push_back(box);
    judge.questionAsked();
    whileTheQuestionIsOpen();
    const bool yes = below(2) == 0;
    if (below(2) == 0) {
        QTest::mouseClick(box->button(yes ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
    } else {
        QTest::keyClick(box, yes ? Qt::Key_Return : Qt::Key_Escape);
    }
    answering_.pop_back();
}

// Inputs and time while the question is open change nothing at all: the inputs are dropped
// and no tick runs.
void ViewAbuse::whileTheQuestionIsOpen() {
    game::Game& g = r().game;
    std::vector<support::ScreenState> screens;
    for (const ui::Form* f : g.forms())
        screens.emplace_back(*f);
    const game::Module1 record = g.module1();
    for (int n = below(4); n > 0; --n) {
        const int kind = below(4);
        if (kind == 0) {
            r().v.window().close();
        } else if (kind == 1) {
            r().v.setClock(r().v.clock.now() + below(20000));
            QCoreApplication::processEvents();
        } else if (ui::Control* c = player_.anything(g, g.form2())) {
            r().v.click(*c);
        }
    }
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const std::string changed = screens[i].changeIn(*g.forms()[i]);
        if (!changed.empty()) judge.fail(changed + " changed while the question was open");
    }
    if (!support::sameRecord(g.module1(), record)) {
        judge.fail("the record changed while the question was open");
    }
    if (r().v.app.ended()) judge.fail("the program ended while the question was open");
}

class ViewAbuseRun : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(ViewAbuseRun, RealEventsThroughTheViewKeepEveryInvariant) {
    proof::runSeed<ViewAbuse>("view", GetParam(), kEventsPerSeed);
}

INSTANTIATE_TEST_SUITE_P(Seeds, ViewAbuseRun, ::testing::ValuesIn(proof::seedsToRun(kDefaultSeeds)),
                         proof::seedName);

TEST(ViewAbuseSet, TheDefaultSeedsCarryGamesToBothResults) {
    proof::expectBothResults("view", kDefaultSeeds);
}

}  // namespace

namespace {

// The offscreen platform says this of every question box it shows; all else gets through.
QtMessageHandler qtMessages = nullptr;
void quietQuestionBoxes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("does not support propagateSizeHints"))) {
        qtMessages(type, context, text);
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(quietQuestionBoxes);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
