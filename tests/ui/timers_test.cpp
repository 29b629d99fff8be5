// The timer rules the screens are written against, on a bare form and the manual clock.
#include <gtest/gtest.h>

#include <vector>

#include "support/game_fixture.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace {

class TimerTest : public ::testing::Test {
protected:
    ui::ManualClock clock;
    support::TestRandom random;
    support::ScriptedPlatform platform;
    ui::Application app{clock, random, platform};
    ui::Form form{app, "Form"};
    std::vector<ui::Millis> ticksA;
    std::vector<ui::Millis> ticksB;
    ui::Timer a{form, "A", 100};
    ui::Timer b{form, "B", 0};

    void SetUp() override {
        a.setTickHandler([this] { ticksA.push_back(app.now()); });
        b.setTickHandler([this] { ticksB.push_back(app.now()); });
    }
    void advance(ui::Millis ms) { ui::advance(app, clock, ms); }
};

TEST_F(TimerTest, StartsAtLoadAndTicksWhileHidden) {
    advance(500);
    EXPECT_TRUE(ticksA.empty()) << "a timer counts only from its form's load";
    form.load();
    EXPECT_FALSE(form.visible());
    advance(350);
    EXPECT_EQ(ticksA, (std::vector<ui::Millis>{600, 700, 800}));
}

TEST_F(TimerTest, SameIntervalNeitherRestartsNorDelays) {
    form.load();
    b.setInterval(3000);  // countdown starts at 0
    for (int t = 0; t < 60; ++t) {
        advance(100);
        b.setInterval(3000);  // a poll setting the period again every 100 ms
    }
    EXPECT_EQ(ticksB, (std::vector<ui::Millis>{3000, 6000}));
}

TEST_F(TimerTest, ZeroStopsAndANewIntervalCountsFromTheChange) {
    form.load();
    b.setInterval(3000);
    advance(1000);
    b.setInterval(0);
    advance(5000);
    EXPECT_TRUE(ticksB.empty());
    b.setInterval(3000);  // at 6000
    advance(3000);
    EXPECT_EQ(ticksB, (std::vector<ui::Millis>{9000}));
}

TEST_F(TimerTest, AHandlerThatArmsATimerDoesSoAtItsOwnTime) {
    form.load();
    a.setTickHandler([this] {
        ticksA.push_back(app.now());
        b.setInterval(250);  // only the first call arms; later ones set the same interval
    });
    advance(1000);
    // a ticks at 100..1000; b armed at 100 ticks at 350, 600, 850.
    EXPECT_EQ(ticksB, (std::vector<ui::Millis>{350, 600, 850}));
}

TEST_F(TimerTest, EqualDueTimesFireInCreationOrder) {
    form.load();
    std::vector<char> order;
    a.setTickHandler([&] { order.push_back('a'); });
    b.setTickHandler([&] { order.push_back('b'); });
    b.setInterval(100);
    advance(200);
    EXPECT_EQ(order, (std::vector<char>{'a', 'b', 'a', 'b'}));
}

TEST_F(TimerTest, LateTicksCoalesceIntoOne) {
    form.load();
    clock.set(1000);  // the program was busy for a second
    app.fireDueTimers();
    EXPECT_EQ(ticksA, (std::vector<ui::Millis>{1000}));
    EXPECT_EQ(app.nextDue(), 1100);
}

TEST_F(TimerTest, NoTickInsideAHandler) {
    form.load();
    {
        ui::Application::HandlerScope scope(app);
        clock.set(500);
        app.fireDueTimers();
        EXPECT_TRUE(ticksA.empty());
        EXPECT_FALSE(app.nextDue().has_value());
    }
    app.fireDueTimers();
    EXPECT_EQ(ticksA.size(), 1u);
}

TEST_F(TimerTest, NoTicksWhileTheQuestionIsOpenAndMissedOnesAreDropped) {
    form.load();
    advance(150);  // a at 100
    platform.whileOpen = [this] {
        advance(1000);  // time passes while the box is open
        app.fireDueTimers();
    };
    app.ask("?", "t");
    EXPECT_EQ(ticksA, (std::vector<ui::Millis>{100}));
    EXPECT_EQ(a.interval(), 100);
    EXPECT_EQ(app.nextDue(), 1200) << "the next tick keeps the timer's phase";
    advance(100);
    EXPECT_EQ(ticksA, (std::vector<ui::Millis>{100, 1200}));
}

TEST_F(TimerTest, EndingTheProgramStopsEveryTimer) {
    form.load();
    app.end();
    advance(1000);
    EXPECT_TRUE(ticksA.empty());
    EXPECT_EQ(platform.endCalls, 1);
}

}  // namespace
