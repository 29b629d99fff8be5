// The player's own mouse and keyboard under a real window manager: xdotool moves the pointer,
// clicks and holds keys through the X server, which stamps the events and repeats a held key
// as it does for every program, while the game goes on handling its events. A double click
// (two clicks 80 ms apart) or a held key acts on the screen it began on and on no other.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "manual_view.h"
#include "question_box.h"
#include "steps.h"
#include "support/case_name.h"
#include "support/game_fixture.h"
#include "support/placement_clicks.h"
#include "x_desktop.h"

namespace {

using qtsupport::openQuestionBox;

// The middle of a widget, as xdotool places the pointer: in the X server's pixels.
QString where(QWidget* w) {
    const QPoint p = desktop::toDevicePixels(w->mapToGlobal(w->rect().center()));
    return QString::number(p.x()) + ' ' + QString::number(p.y());
}

// The inputs the X server sent the game's native windows, each counted once: how many double
// clicks Qt made of the clicks and how many presses a held key came as.
class InputCount final : public QObject {
public:
    InputCount() { QApplication::instance()->installEventFilter(this); }
    int doubleClicks = 0;
    int returnPresses = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWindowType()) return false;
        if (event->type() == QEvent::MouseButtonDblClick) ++doubleClicks;
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return)
            ++returnPresses;
        return false;
    }
};

class RealInputTest : public ::testing::Test {
public:  // to the rows of the tables below
    RealInputTest() {
        random.freeRun();
        platform.box.setOwner(&v.window());
        v.game.start();
    }

    // A step that runs xdotool with the arguments made when the step comes, once the widgets
    // it aims at are up; done once xdotool has ended.
    void xdotool(std::function<QString()> arguments) {
        auto process = std::make_shared<QProcess>();
        steps.then([process, arguments] {
            process->start(QStringLiteral("sh"),
                           {QStringLiteral("-c"), QStringLiteral("xdotool ") + arguments()});
        });
        steps.until([process] { return process->state() == QProcess::NotRunning; }, 10000,
                    "xdotool");
        steps.then([process] {
            EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
        });
    }
    // A double click, two clicks 80 ms apart, in the middle of the widget.
    void doubleClick(std::function<QWidget*()> target) {
        xdotool(
            [target] { return "mousemove " + where(target()) + " click --repeat 2 --delay 80 1"; });
    }
    void click(std::function<QWidget*()> target) {
        xdotool([target] { return "mousemove " + where(target()) + " click 1"; });
    }
    // The exit question opened by a click on "Покинуть игру", up on the display, and the
    // double-click interval over since that click.
    void openTheQuestion() {
        click([this] { return v.widget(g.form2().CommandExit); });
        steps.until(
            [] {
                return openQuestionBox() != nullptr &&
                       openQuestionBox()->windowHandle()->isExposed();
            },
            5000, "the exit question");
        steps.pause(600);
    }
    // The game's window up on the display, in front and with the keyboard.
    void windowUp() { ASSERT_EQ(desktop.offScreenFault(v.window()), ""); }
    // After the input, time for its last events to come: then the screen that stands.
    void thenSee(std::function<std::string()> fault) {
        steps.pause(700);
        steps.then([this, fault] {
            seen = fault();
            if (openQuestionBox() != nullptr)
                seen += (seen.empty() ? "" : ", ") + std::string("a question open");
        });
    }
    bool shows(const ui::Form& f) { return v.showsAlone(f); }
    std::string noShot() const {
        for (int n = 1; n <= 100; ++n) {
            if (g.module1().VystrelyIgroka[n] != 0) return "cell " + std::to_string(n) + " shot at";
        }
        return "";
    }

    desktop::XDesktop desktop;
    support::TestRandom random;
    qtsupport::CountedQuestionBox platform;
    qtsupport::ManualView v{random, platform};
    game::Game& g = v.game;
    qtsupport::Steps steps;
    std::string seen;
    InputCount count;
};

TEST_F(RealInputTest, ADoubleClickOnPlaceTheEnemyFleetOpensTheBattleAlone) {
    g.form4().Label1.click();
    support::startPlacement(g.form1());
    support::layFleet(g.form1(), support::kSampleFleet);
    ASSERT_NO_FATAL_FAILURE(windowUp());
    doubleClick([this] { return v.widget(g.form1().cmdStart); });
    thenSee([this] { return shows(g.form2()) ? "" : std::string("the battle is not shown"); });
    EXPECT_EQ(steps.play(), "");
    EXPECT_EQ(seen, "");
    EXPECT_EQ(platform.asked, 0) << "the exit question was asked";
    EXPECT_EQ(count.doubleClicks, 1) << "Qt took the two clicks for a double click";
}

// The exit question answered by a double click on one of its buttons: the second click lands
// on the screen that the answer brings up, where the button was.
struct Answer {
    const char* what;
    QMessageBox::StandardButton button;
    std::string (*fault)(RealInputTest&);  // "" when the answer's screen stands alone
};

class AnswerByADoubleClick : public RealInputTest, public ::testing::WithParamInterface<Answer> {};

TEST_P(AnswerByADoubleClick, ActsOnTheQuestionAlone) {
    g.form4().Label1.click();
    support::openSampleBattle(g);
    ASSERT_NO_FATAL_FAILURE(windowUp());
    openTheQuestion();
    doubleClick([] { return openQuestionBox()->button(GetParam().button); });
    thenSee([this] { return GetParam().fault(*this); });
    EXPECT_EQ(steps.play(), "");
    EXPECT_EQ(seen, "");
    EXPECT_EQ(platform.asked, 1);
    EXPECT_EQ(count.doubleClicks, 1) << "Qt took the two clicks for a double click";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AnswerByADoubleClick,
    ::testing::Values(Answer{"Yes leaves the battle for the welcome screen", QMessageBox::Yes,
                             [](RealInputTest& t) -> std::string {
                                 return t.shows(t.g.form4()) ? ""
                                                             : "the welcome screen was skipped";
                             }},
                      Answer{"No goes back to the battle and shoots not", QMessageBox::No,
                             [](RealInputTest& t) -> std::string {
                                 return t.shows(t.g.form2()) ? t.noShot()
                                                             : "the battle is not shown";
                             }}),
    support::NameFromWhat());

TEST_F(RealInputTest, ReturnHeldOnLeaveTheGameOpensTheQuestionAndAnswersNothing) {
    g.form4().Label1.click();
    support::openSampleBattle(g);
    ASSERT_NO_FATAL_FAILURE(windowUp());
    ASSERT_EQ(v.window().focusWidget(), v.widget(g.form2().CommandExit));
    xdotool([] { return QStringLiteral("keydown Return sleep 1.5 keyup Return"); });
    std::string afterRelease;
    steps.pause(300);
    steps.then([&] {
        if (platform.asked != 1 || openQuestionBox() == nullptr)
            afterRelease = "the question is not open";
    });
    xdotool([] { return QStringLiteral("key Escape"); });  // a fresh press: No
    thenSee(
        [this] { return shows(g.form2()) ? noShot() : std::string("the battle is not shown"); });
    EXPECT_EQ(steps.play(), "");
    EXPECT_GE(count.returnPresses, 10) << "the server repeats the key held";
    EXPECT_EQ(afterRelease, "");
    EXPECT_EQ(seen, "");
    EXPECT_EQ(platform.asked, 1);
}

}  // namespace
