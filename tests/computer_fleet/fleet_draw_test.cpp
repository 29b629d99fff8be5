// The draws of the computer's fleet and nation: the direction rule, the click's guard and
// scripted clicks whose every number is accounted for.
#include <gtest/gtest.h>

#include <string>

#include "computer_fleet/fleet_draw.h"
#include "fleet_geometry.h"
#include "shell/module1.h"
#include "support/game_fixture.h"
#include "ui/random.h"

namespace {

using support::GameTest;

double cell(int k) {
    return support::pick(k, 101);
}
double code(int c) {
    return support::pick(c, 4);
}

TEST(DirectionTest, NamedBowsAndCodes) {
    struct Case {
        int length;
        int bow;
        std::array<bool, 4> accepted;  // codes 0 left, 1 up, 2 right, 3 down
    };
    const Case cases[] = {
        {4, 7, {true, false, false, true}},    // right would end on 10
        {4, 6, {true, false, true, true}},     // 6 .. 9 fits
        {4, 10, {false, false, false, true}},  // the last column never runs sideways
        {4, 9, {true, false, false, true}},
        {4, 100, {false, true, false, false}},
        {4, 50, {false, true, false, true}},
        {2, 20, {false, true, false, true}},  // 20 and 21 share a key but cross a row end
        {2, 11, {false, true, true, true}},   // 11 and 10 likewise
        {2, 100, {false, true, false, false}},
        {3, 1, {false, false, true, true}},
    };
    for (const Case& c : cases) {
        for (int code = 0; code < 4; ++code) {
            EXPECT_EQ(game::directionAccepted(c.length, c.bow, code), c.accepted[code])
                << "length " << c.length << ", bow " << c.bow << ", code " << code;
        }
    }
}

TEST(DirectionTest, AcceptsExactlyVerticalShipsOnTheGridAndHorizontalOnesInColumnsZeroToEight) {
    for (int length = 2; length <= 4; ++length) {
        for (int bow = 1; bow <= 100; ++bow) {
            for (int code = 0; code < 4; ++code) {
                const int step = game::directionStep(code);
                bool fits = true;
                for (int i = 0; i < length; ++i) {
                    const int c = bow + i * step;
                    if (c < 1 || c > 100) {
                        fits = false;
                    } else if (step == 1 || step == -1) {
                        fits = fits && (c - 1) / 10 == (bow - 1) / 10 && (c - 1) % 10 <= 8;
                    }
                }
                ASSERT_EQ(game::directionAccepted(length, bow, code), fits)
                    << "length " << length << ", bow " << bow << ", code " << code;
            }
        }
    }
}

// The placement screen of a new game with the whole fleet laid, `ticks` ticks after the reset.
class StartBattleTest : public GameTest {
protected:
    void fleetLaid(int ticks) {
        startNewGame();
        advance(30 * ticks);
        ASSERT_EQ(m().SchetTaimera, ticks);
        f1().CommandRazm.hide();
        f1().cmdStart.show();
        for (ui::TextBox* t : {&f1().txtLyger, &f1().txtGaleon, &f1().txtFregat, &f1().txtLinkor,
                               &f1().txtUtschot}) {
            t->setText("0");
        }
    }
};

TEST_F(StartBattleTest, IgnoredUntilEveryStockIsZeroAndTheLastShipIsLaid) {
    fleetLaid(9);
    struct Case {
        const char* lyger;
        const char* galeon;
        const char* fregat;
        const char* linkor;
        const char* utschot;
    };
    const Case cases[] = {
        {"4", "3", "2", "1", "0"}, {"1", "0", "0", "0", "0"}, {"0", "1", "0", "0", "0"},
        {"0", "0", "1", "0", "0"}, {"0", "0", "0", "1", "0"}, {"0", "0", "0", "0", "2"},
    };
    for (const Case& c : cases) {
        f1().txtLyger.setText(c.lyger);
        f1().txtGaleon.setText(c.galeon);
        f1().txtFregat.setText(c.fregat);
        f1().txtLinkor.setText(c.linkor);
        f1().txtUtschot.setText(c.utschot);
        f1().cmdStart.click();
        const std::string what =
            std::string(c.lyger) + c.galeon + c.fregat + c.linkor + "/" + c.utschot;
        EXPECT_EQ(random.taken(), 0u) << what;
        EXPECT_EQ(m().FlotVraga, (std::array<int, 21>{})) << what;
        EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f1()})) << what;
        EXPECT_TRUE(f1().cmdStart.visible()) << what;
        EXPECT_EQ(f1().txtLyger.text(), c.lyger) << what;
        EXPECT_EQ(f1().txtUtschot.text(), c.utschot) << what;
    }
}

// One legal fleet, reached in both scripts below.
const std::array<int, 21> kScriptedFleet = {0,  7,  17, 27, 37, 100, 90, 80, 51, 52, 53,
                                            20, 30, 11, 1,  95, 94,  3,  45, 59, 77};

// At warm-up count 1 every warm-up draw is a single draw. A counter not yet stepped since the
// reset (0) draws the same as 1.
TEST_F(StartBattleTest, ScriptedClickAtCountOne) {
    for (int ticks : {1, 0}) {
        fleetLaid(ticks);
        random.script({
            cell(0),   cell(7), code(2),  code(3),  // Линкор: 0 drawn again; 7..10 refused
            cell(100), code(3), code(2),  code(1),  // Фрегат: 130 and 102 refused
            cell(51),  code(0), code(2),            // Фрегат: 51 left ends on 49, refused
            cell(20),  code(2), code(3),            // Галеон: 20 right crosses the row end
            cell(11),  code(0), code(1),            // Галеон: 11 left ends on 10
            cell(95),  code(0),                     // Галеон
            cell(3),   cell(0), cell(45), cell(59), cell(77),  // Люгер, a 0 drawn again
            code(2),                                           // nation
        });
        f1().cmdStart.click();
        EXPECT_EQ(m().FlotVraga, kScriptedFleet) << "ticks " << ticks;
        EXPECT_EQ(m().Natsiya, 2);
        EXPECT_EQ(random.remaining(), 0u) << "every scripted number is taken, no more";
        EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f2()}));
    }
}

// At count 2 each warm-up draw takes two numbers and keeps the second; the first attempt is
// rejected (a Люгер on 38 touches the Линкор at 27), and the redraw warms all but the Линкор's
// bow again.
TEST_F(StartBattleTest, ScriptedClickAtCountTwoWithARejectedAttempt) {
    fleetLaid(2);
    // Attempt 1.
    random.script({cell(50), cell(24), code(1), code(2)});    // Линкор 24..27, not upwards
    random.script({cell(9), cell(0), cell(60), code(3)});     // Фрегат: a kept 0 drawn again
    random.script({cell(1), cell(2), code(2)});               // Фрегат 2, 3, 4
    random.script({cell(33), cell(92), code(0)});             // Галеон 92, 91
    random.script({cell(40), cell(48), code(3)});             // Галеон 48, 58
    random.script({cell(66), cell(85), code(1)});             // Галеон 85, 75
    random.script({cell(11), cell(12), cell(13), cell(14)});  // Люгер, thrown away
    random.script({cell(0), cell(99), cell(44), cell(46), cell(38)});
    // Attempt 2: the Линкор's bow is a single draw now.
    random.script({cell(7), code(2), code(3)});
    random.script({cell(5), cell(100), code(3), code(2), code(1)});
    random.script({cell(23), cell(51), code(0), code(2)});
    random.script({cell(0), cell(20), code(2), code(3)});  // a 0 not kept is never seen
    random.script({cell(88), cell(11), code(0), code(1)});
    random.script({cell(12), cell(95), code(0)});
    random.script({cell(61), cell(62), cell(63), cell(64)});
    random.script({cell(3), cell(0), cell(45), cell(59), cell(77)});
    // Nation, warmed: the second stays.
    random.script({code(3), code(1)});
    f1().cmdStart.click();
    EXPECT_EQ(m().FlotVraga, kScriptedFleet);
    EXPECT_EQ(m().Natsiya, 1);
    EXPECT_EQ(random.remaining(), 0u);
}

// Counts across the cycle, from the program's own source: every fleet is legal, every nation
// one of the four, and a source started afresh gives the same fleet and nation again.
TEST(FleetDrawTest, RealDrawsAreLegalAndRepeatFromTheSameStart) {
    for (int warmUps : {1, 2, 17, 30}) {
        game::Module1 first;
        game::Module1 second;
        ui::DefaultRandom a;
        ui::DefaultRandom b;
        for (auto [m, source] : {std::pair{&first, &a}, std::pair{&second, &b}}) {
            game::drawComputerFleet(*m, *source, warmUps);
            game::drawNation(*m, *source, warmUps);
        }
        EXPECT_TRUE(fleet_test::legalFleet(first.FlotVraga)) << warmUps;
        EXPECT_GE(first.Natsiya, 0);
        EXPECT_LE(first.Natsiya, 3);
        EXPECT_EQ(first.FlotVraga, second.FlotVraga) << warmUps;
        EXPECT_EQ(first.Natsiya, second.Natsiya) << warmUps;
    }
}

}  // namespace
