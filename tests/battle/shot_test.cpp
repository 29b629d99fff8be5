// The player's shot, its report by ship type and the win at the twentieth hit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle_fixture.h"

namespace {

using battle_test::BattleTest;
using battle_test::kMissCells;
using battle_test::Snapshot;

using ShotTest = BattleTest;

TEST_F(ShotTest, RefusedShotsChangeNothing) {
    struct Case {
        const char* what;
        std::vector<int> before;  // shots made first
        bool handBackFirst;       // the computer's miss gives the move back before the click
        int cell;
    };
    const Case cases[] = {
        {"a fresh ship cell during the computer's move", {50}, false, 1},
        {"a fresh empty cell during the computer's move", {50}, false, 60},
        {"a cell already hit", {1}, false, 1},
        {"a cell already missed", {50}, true, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startBattle();
        for (int cell : c.before)
            shoot(cell);
        if (c.handBackFirst) handBack();
        const Snapshot before = snapshot();
        shoot(c.cell);
        EXPECT_EQ(snapshot(), before);
        if (!c.handBackFirst && f2().txtHodu.text() == "2") {
            handBack();
            shoot(c.cell);
            EXPECT_EQ(m().VystrelyIgroka[c.cell], c.cell) << "shot once the move is back";
        }
        f2().CommandVse.press();  // clear the screen for the next case
        f3().Command1.click();
    }
}

TEST_F(ShotTest, HitKeepsTheMoveAndMissPassesItShowingTheMissPicture) {
    startBattle();
    shoot(3);
    EXPECT_EQ(f2().Picture(103).picture(), f2().ImagePopal.picture());
    EXPECT_EQ(m().Popadanie, 3);
    EXPECT_EQ(m().VystrelyIgroka[3], 3);
    EXPECT_EQ(f2().txtHodu.text(), "1");
    EXPECT_EQ(f2().LabelComp.caption(), "Ваш ход:");
    EXPECT_EQ(f2().LabelL.caption(), "Задет вражеский ЛИНКОР!");
    EXPECT_EQ(areaShown(), (std::vector<bool>{false, true, false, false, false}));

    shoot(50);
    EXPECT_EQ(f2().Picture(150).picture(), f2().ImageMimo.picture());
    EXPECT_EQ(m().VystrelyIgroka[50], 50);
    EXPECT_EQ(m().Popadanie, 3) << "a miss leaves the latest hit";
    EXPECT_EQ(f2().txtHodu.text(), "2");
    EXPECT_EQ(m().HodComp, 1);
    EXPECT_EQ(f2().LabelComp.caption(), "Ходит компьютер:");
    EXPECT_EQ(f2().LabelL.caption(), "");
    // The hit picture stays visible beneath; the miss picture lies above it and is seen.
    EXPECT_EQ(areaShown(), (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(f2().txtJa.text(), "1");
}

TEST_F(ShotTest, ReportNamesTheTypeByTheSlotOfTheCellStruck) {
    // kSampleFleet in slot order: 1-4 Линкор 1..4; 5-10 Фрегат 6,7,8,21,31,41;
    // 11-16 Галеон 10,20,23,24,26,27; 17-20 Люгер 43,46,49,100.
    struct Case {
        int cell;
        const char* message;
        int picture;  // index in the picture area, top first
    };
    const Case cases[] = {
        {4, "Задет вражеский ЛИНКОР!", 1},  {6, "Задет вражеский ФРЕГАТ!", 2},
        {41, "Задет вражеский ФРЕГАТ!", 2}, {10, "Задет вражеский ГАЛЕОН!", 3},
        {27, "Задет вражеский ГАЛЕОН!", 3}, {43, "Задет вражеский ЛЮГЕР", 4},
        {100, "Задет вражеский ЛЮГЕР", 4},  {1, "Задет вражеский ЛИНКОР!", 1},
    };
    startBattle();
    shoot(50);
    handBack();  // the miss picture is still up when the next hit comes
    long hits = 0;
    for (const Case& c : cases) {
        shoot(c.cell);
        std::vector<bool> expected(5, false);
        expected[static_cast<std::size_t>(c.picture)] = true;
        EXPECT_EQ(areaShown(), expected) << c.cell;
        EXPECT_EQ(f2().LabelL.caption(), c.message) << c.cell;
        EXPECT_EQ(f2().txtJa.text(), std::to_string(++hits)) << c.cell;
    }
}

TEST_F(ShotTest, TwentiethHitWinsAndResetsTheScreenBehindTheResult) {
    startBattle(support::kSampleFleet, 1);
    std::vector<int> cells;
    for (const auto& ship : support::kSampleFleet)
        cells.insert(cells.end(), ship.begin(), ship.end());
    std::swap(cells.front(), cells.back());  // the order of the types hit does not matter
    f2().Picture(7).setPicture(f2().ImagePopal.picture());  // a computer hit on the player's grid

    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        shoot(cells[i]);
        if (i == 4) {
            shoot(kMissCells[0]);
            handBack();
        }
    }
    EXPECT_EQ(f2().txtJa.text(), "19");
    EXPECT_EQ(m().Itog, 0);
    EXPECT_TRUE(f2().visible());

    shoot(cells.back());
    EXPECT_EQ(m().Itog, 1);
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f3()}));
    EXPECT_EQ(f3().Label1.caption(), "Вы выиграли!");
    EXPECT_TRUE(f3().Image2.visible());
    EXPECT_EQ(m().VystrelyIgroka[cells.back()], cells.back()) << "recorded after the report";

    expectBattleReset();
    // Left for the next showing to deal with.
    EXPECT_EQ(f2().LabelL.caption(), "Задет вражеский ЛИНКОР!");
    EXPECT_TRUE(f2().ImageFra.visible());
}

}  // namespace
