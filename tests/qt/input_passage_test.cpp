// Inputs as real mice and keyboards make them, on the offscreen platform with the real question
// box: the second half of a double click, a burst of clicks or a held key belongs to the screen
// it began on, and Return and Enter press the focused button as Space does. Events carry the
// timestamps the platform gives them: Qt tells a double click by them, and X repeats a held key
// as pairs of a release and a press that share one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "manual_view.h"
#include "question_box.h"
#include "steps.h"
#include "support/game_fixture.h"
#include "support/placement_clicks.h"

namespace {

using qtsupport::openQuestionBox;

// A game in real windows on the manual clock. Screens are reached through the model; the
// inputs under test are real events, played as steps (steps.h).
struct Game {
    support::TestRandom random;
    qtsupport::CountedQuestionBox platform;
    qtsupport::ManualView v{random, platform};
    game::Game& g = v.game;
    game::Form1& f1 = g.form1();
    game::Form2& f2 = g.form2();
    qtsupport::Steps steps;

    Game() {
        random.freeRun();
        platform.box.setOwner(&v.window());
        g.start();
    }

    QWidget* widget(const ui::Control& c) const { return v.widget(c); }
    bool shows(const ui::Form& f) { return v.showsAlone(f); }
    // What the player sees now, for a failure's message.
    std::string screen() const {
        std::string names;
        for (ui::Form* f : support::visibleForms(g))
            names += f->name() + " ";
        if (openQuestionBox() != nullptr) names += "and the question box";
        return names;
    }

    void toPlacement() { g.form4().Label1.click(); }
    void withWholeFleet() {
        toPlacement();
        support::startPlacement(f1);
        support::layFleet(f1, support::kSampleFleet);
    }
    void toBattle() {
        toPlacement();
        support::openSampleBattle(g);
    }
    void toResult() {
        toBattle();
        g.module1().Itog = 2;
        f2.hide();
        g.form3().show();
    }
    // The computer one millisecond from its winning shot.
    void toTheBrink() {
        toBattle();
        v.toTheComputersLastShot(random);
    }
    bool shotAt(int n) const { return g.module1().VystrelyIgroka[n] == n; }
};

// The player's mouse. Each press comes a given number of milliseconds after the one before, by
// the events' timestamps; QTest's own stamps set presses far apart unless told otherwise.
class Mouse {
public:
    static constexpr int kApart = 5000;

    // A press and a release in the middle of the widget.
    void click(QWidget* w, int gapMs = kApart) {
        ASSERT_NE(w, nullptr);
        stamp(gapMs);
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
    }
    // The second half of a double click as Qt hands it to a widget: a double-click event in the
    // place of the press, then the release.
    void secondHalf(QWidget* w, int gapMs) {
        ASSERT_NE(w, nullptr);
        stamp(gapMs);
        QTest::mouseDClick(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
    }

private:
    void stamp(int gapMs) {
        last_ = (last_ == 0 ? QTest::lastMouseTimestamp : last_) + gapMs;
        QTest::lastMouseTimestamp = last_ - 1;  // QTest adds one for the event
    }
    int last_ = 0;
};

// The widget with the keyboard: the question box's button when it is open, else the game
// window's focused button, else the window.
QWidget* keyboardFocus(Game& game) {
    if (QWidget* box = QApplication::activeModalWidget())
        return box->focusWidget() != nullptr ? box->focusWidget() : box;
    QWidget* w = game.v.window().focusWidget();
    return w != nullptr ? w : &game.v.window();
}

// A key event as the window hands it to the widget with the keyboard.
void key(Game& game, QEvent::Type type, int code, ulong timestamp, bool autoRepeat = false,
         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent e(type, code, modifiers, QString(), autoRepeat);
    e.setTimestamp(timestamp);
    QSpontaneKeyEvent::setSpontaneous(&e);
    QApplication::instance()->notify(keyboardFocus(game), &e);
}

int doubleClickInterval() {
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

// A passage from one screen to the next that a click (or a tick) makes while the player clicks
// on: the first click on `first`, the passage `crossed`, the next input on `next`.
struct Passage {
    const char* what;
    std::function<void(Game&)> before;  // steps to the screen of the first click
    std::function<QWidget*(Game&)> first;
    std::function<void(Game&)> bring;  // what follows the first click: a tick, or nothing
    std::function<bool(Game&)> crossed;
    std::function<QWidget*(Game&)> next;
    std::function<std::string(Game&)> stays;  // "" when the passage's screen stands as it came
};

void openTheQuestion(Game& game, Mouse& mouse) {
    game.toBattle();
    game.steps.then([&] { mouse.click(game.widget(game.f2.CommandExit)); });
    game.steps.until([] { return openQuestionBox() != nullptr; }, 5000, "the exit question");
}

std::vector<Passage> passages(Mouse& mouse) {
    const auto nothing = [](Game&) {};
    return {
        {"\"Разместить флот врага\" into the battle, then \"Покинуть игру\" there",
         [](Game& game) { game.withWholeFleet(); },
         [](Game& game) { return game.widget(game.f1.cmdStart); }, nothing,
         [](Game& game) { return game.shows(game.f2); },
         [](Game& game) { return game.widget(game.f2.CommandExit); },
         [](Game& game) -> std::string {
             if (game.platform.asked != 0) return "the exit question was asked";
             return game.shows(game.f2) ? "" : "the battle is not shown";
         }},
        {"\"Да\" of the exit question into the welcome screen, then its label",
         [&](Game& game) { openTheQuestion(game, mouse); },
         [](Game&) { return openQuestionBox()->button(QMessageBox::Yes); }, nothing,
         [](Game& game) { return openQuestionBox() == nullptr && game.shows(game.g.form4()); },
         [](Game& game) { return game.widget(game.g.form4().Label1); },
         [](Game& game) -> std::string {
             return game.shows(game.g.form4()) ? "" : "the welcome screen was skipped";
         }},
        {"\"Нет\" of the exit question back into the battle, then the cell under it",
         [&](Game& game) { openTheQuestion(game, mouse); },
         [](Game&) { return openQuestionBox()->button(QMessageBox::No); }, nothing,
         [](Game& game) { return openQuestionBox() == nullptr && game.shows(game.f2); },
         [](Game& game) { return game.widget(game.f2.Picture(100 + 81)); },
         [](Game& game) -> std::string {
             if (game.shotAt(81)) return "the cell was shot at";
             return game.shows(game.f2) ? "" : "the battle is not shown";
         }},
        {"the computer's last shot into the result screen, then \"Играть сначала\"",
         [](Game& game) { game.toTheBrink(); },
         [](Game& game) { return game.widget(game.f2.Picture(100 + 55)); },
         [](Game& game) { game.v.advance(1); },
         [](Game& game) { return game.shows(game.g.form3()); },
         [](Game& game) { return game.widget(game.g.form3().Command1); },
         [](Game& game) -> std::string {
             return game.shows(game.g.form3()) ? "" : "the result screen was skipped";
         }},
    };
}

// The inputs that follow the first click: the second half of a double click, a plain press
// (a second click that Qt does not take for a double click) or a burst of them.
struct Follower {
    const char* what;
    int gapMs;
    int count;
    bool doubleClick;  // the first follower comes as a double click's second half
};

TEST(InputPassageTest, AnInputThatComesWithinTheDoubleClickIntervalOnAnotherScreenIsDropped) {
    const int interval = doubleClickInterval();
    const Follower followers[] = {
        {"a double click, 40 ms", 40, 1, true},
        {"a double click, 80 ms", 80, 1, true},
        {"a double click, 150 ms", 150, 1, true},
        {"a double click, 200 ms", 200, 1, true},
        {"a double click at the end of the interval", interval - 1, 1, true},
        {"a second press, 80 ms", 80, 1, false},
        {"a burst of eight clicks 10 ms apart", 10, 7, true},
    };
    Mouse mouse;
    for (const Passage& p : passages(mouse)) {
        for (const Follower& f : followers) {
            SCOPED_TRACE(std::string(p.what) + ": " + f.what);
            Game game;
            p.before(game);
            game.steps.then([&] { mouse.click(p.first(game)); });
            game.steps.then([&] { p.bring(game); });
            game.steps.until([&] { return p.crossed(game); }, 5000, "the passage");
            for (int i = 0; i < f.count; ++i) {
                // Qt takes every other click of a burst for the second half of a double click.
                const bool half = f.doubleClick && i % 2 == 0;
                game.steps.then([&, half] {
                    half ? mouse.secondHalf(p.next(game), f.gapMs)
                         : mouse.click(p.next(game), f.gapMs);
                });
            }
            std::string stays;
            game.steps.then(
                [&] { stays = p.stays(game) + (openQuestionBox() ? ", a question open" : ""); });
            EXPECT_EQ(game.steps.play(), "");
            EXPECT_EQ(stays, "") << "shown: " << game.screen();
        }
    }
}

TEST(InputPassageTest, InputsWithinOneScreenAndTheFirstAfterTheIntervalAllCount) {
    const int gap = 80, after = doubleClickInterval() + 1;
    Mouse mouse;
    {
        SCOPED_TRACE("two cells of a ship, 80 ms apart");
        Game game;
        game.toPlacement();
        support::startPlacement(game.f1);
        game.f1.Image4.click();  // a Линкор
        game.steps.then([&] { mouse.click(game.widget(game.f1.Picture(1))); });
        game.steps.then([&] { mouse.secondHalf(game.widget(game.f1.Picture(2)), gap); });
        EXPECT_EQ(game.steps.play(), "");
        EXPECT_EQ(game.f1.txtUtschot.text(), "2") << "two of the four cells laid";
    }
    {
        SCOPED_TRACE("a hit and the next shot, 80 ms apart");
        Game game;
        game.toBattle();
        game.steps.then([&] { mouse.click(game.widget(game.f2.Picture(100 + 1))); });
        game.steps.then([&] { mouse.secondHalf(game.widget(game.f2.Picture(100 + 55)), gap); });
        EXPECT_EQ(game.steps.play(), "");
        EXPECT_TRUE(game.shotAt(1));
        EXPECT_TRUE(game.shotAt(55));
    }
    {
        SCOPED_TRACE("\"Покинуть игру\" on the battle just opened, once the interval is over");
        Game game;
        game.withWholeFleet();
        game.steps.then([&] { mouse.click(game.widget(game.f1.cmdStart)); });
        game.steps.then([&] { mouse.click(game.widget(game.f2.CommandExit), after); });
        int asked = 0;
        game.steps.then([&] {
            asked = game.platform.asked;
            if (openQuestionBox() != nullptr) openQuestionBox()->button(QMessageBox::No)->click();
        });
        EXPECT_EQ(game.steps.play(), "");
        EXPECT_EQ(asked, 1);
        EXPECT_TRUE(game.shows(game.f2));
    }
    {
        SCOPED_TRACE("\"Нет\" of the question just opened, once the interval is over");
        Game game;
        openTheQuestion(game, mouse);
        game.steps.then([&] { mouse.click(openQuestionBox()->button(QMessageBox::No), after); });
        EXPECT_EQ(game.steps.play(), "") << "the answer closes the box";
        EXPECT_EQ(game.platform.asked, 1);
        EXPECT_TRUE(game.shows(game.f2));
    }
}

// The keys that press a focused button, as the keyboard gives them.
struct PressKey {
    const char* what;
    int code;
    Qt::KeyboardModifiers modifiers;
};
const PressKey kReturn{"Return", Qt::Key_Return, Qt::NoModifier};
const PressKey kEnter{"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier};
const PressKey kSpace{"Space", Qt::Key_Space, Qt::NoModifier};
const PressKey kEscape{"Escape", Qt::Key_Escape, Qt::NoModifier};

// A fresh press and its release, `at` ms on the keyboard's clock.
void tap(Game& game, const PressKey& k, ulong at) {
    game.steps.then(
        [&game, &k, at] { key(game, QEvent::KeyPress, k.code, at, false, k.modifiers); });
    game.steps.then(
        [&game, &k, at] { key(game, QEvent::KeyRelease, k.code, at + 60, false, k.modifiers); });
}

TEST(InputPassageTest, ReturnAndEnterPressTheFocusedButtonOfEveryScreen) {
    struct Case {
        const char* button;
        std::function<ui::Control&(Game&)> focus;  // reached through the model, then focused
        std::function<bool(Game&)> pressed;
    };
    const Case cases[] = {
        {"\"Начать размещение!\"",
         [](Game& game) -> ui::Control& {
             game.toPlacement();
             return game.f1.CommandRazm;
         },
         [](Game& game) { return game.f1.cmdStart.visible(); }},
        {"\"Разместить флот врага\"",
         [](Game& game) -> ui::Control& {
             game.withWholeFleet();
             return game.f1.cmdStart;
         },
         [](Game& game) { return game.shows(game.f2); }},
        {"\"Покинуть игру\"",
         [](Game& game) -> ui::Control& {
             game.toBattle();
             return game.f2.CommandExit;
         },
         [](Game& game) { return game.platform.asked == 1; }},
        {"\"Играть сначала\"",
         [](Game& game) -> ui::Control& {
             game.toResult();
             return game.g.form3().Command1;
         },
         [](Game& game) { return game.shows(game.g.form4()); }},
    };
    for (const Case& c : cases) {
        for (const PressKey* k : {&kReturn, &kEnter}) {
            SCOPED_TRACE(std::string(k->what) + " on " + c.button);
            Game game;
            QWidget* button = game.widget(c.focus(game));
            button->setFocus();
            ASSERT_EQ(keyboardFocus(game), button);
            tap(game, *k, 1000);
            bool pressed = false;
            game.steps.then([&] {
                pressed = c.pressed(game);
                if (openQuestionBox() != nullptr) openQuestionBox()->close();
            });
            EXPECT_EQ(game.steps.play(), "");
            EXPECT_TRUE(pressed) << "shown: " << game.screen();
        }
    }
}

TEST(InputPassageTest, AHeldKeyPressesOnceAndNothingOnTheScreenItBringsUp) {
    constexpr ulong kDown = 1000, kRepeatFrom = 1660, kRate = 40, kUp = 2500;
    struct Case {
        const char* what;
        const PressKey& held;
        std::function<ui::Control&(Game&)> on;
        bool pairsMarked;  // else the first repeat comes as a fresh release and press
        std::function<std::string(Game&)> afterRelease;
        const PressKey* answer;  // a fresh press that answers the question, or none
        std::function<bool(Game&)> answered;
    };
    const auto asksOnce = [](Game& game) -> std::string {
        if (game.platform.asked != 1 || openQuestionBox() == nullptr)
            return "the question is not open";
        return game.shows(game.f2) ? "" : "the battle is not shown";
    };
    const auto toBattle = [](Game& game) -> ui::Control& {
        game.toBattle();
        return game.f2.CommandExit;
    };
    const Case cases[] = {
        {"Return held on \"Покинуть игру\", its repeats marked", kReturn, toBattle, true, asksOnce,
         &kReturn, [](Game& game) { return game.shows(game.g.form4()); }},
        {"Return held on \"Покинуть игру\", a repeat as a fresh press", kReturn, toBattle, false,
         asksOnce, &kEnter, [](Game& game) { return game.shows(game.g.form4()); }},
        {"Space held on \"Покинуть игру\", a repeat as a fresh press", kSpace, toBattle, false,
         asksOnce, &kEscape, [](Game& game) { return game.shows(game.f2); }},
        {"Return held on \"Разместить флот врага\", a repeat as a fresh press", kReturn,
         [](Game& game) -> ui::Control& {
             game.withWholeFleet();
             return game.f1.cmdStart;
         },
         false,
         [](Game& game) -> std::string {
             if (game.platform.asked != 0) return "the exit question was asked";
             return game.shows(game.f2) ? "" : "the battle is not shown";
         },
         nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        game.widget(c.on(game))->setFocus();
        const PressKey& k = c.held;
        game.steps.then([&] { key(game, QEvent::KeyPress, k.code, kDown, false, k.modifiers); });
        for (ulong at = kRepeatFrom; at < kUp; at += kRate) {
            const bool marked = c.pairsMarked || at != kRepeatFrom;
            // One step each: the release of Space presses the button, which may open the box.
            game.steps.then([&, at, marked] {
                key(game, QEvent::KeyRelease, k.code, at, marked, k.modifiers);
            });
            game.steps.then(
                [&, at, marked] { key(game, QEvent::KeyPress, k.code, at, marked, k.modifiers); });
        }
        game.steps.then([&] { key(game, QEvent::KeyRelease, k.code, kUp, false, k.modifiers); });
        std::string afterRelease;
        game.steps.then([&] { afterRelease = c.afterRelease(game); });
        if (c.answer != nullptr) tap(game, *c.answer, kUp + 500);
        bool answered = c.answered == nullptr;
        game.steps.then(
            [&] { answered = answered || (openQuestionBox() == nullptr && c.answered(game)); });
        EXPECT_EQ(game.steps.play(), "");
        EXPECT_EQ(afterRelease, "");
        EXPECT_TRUE(answered) << "a fresh press answers the question; shown: " << game.screen();
    }
}

}  // namespace
