// A battle on the model: the game started, both fleets written as the placement leaves them,
// the battle screen shown. The computer's shot belongs to another part of the game, so the
// hidden button Command1 is watched here: every press is recorded with its time and runs
// whatever the test gives it (by default nothing, which is a computer hit keeping the move).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "support/game_fixture.h"

namespace battle_test {

// Cells that hold no ship of support::kSampleFleet.
inline constexpr int kMissCells[] = {5, 50, 60, 70, 80, 90, 55, 65, 75, 85};

// Everything on the battle screen and in the record that the battle may change.
struct Snapshot {
    std::vector<ui::Picture> cells;  // Picture1 .. Picture200
    std::array<int, 101> shots;
    int popadanie;
    int hodComp;
    int itog;
    std::string message, caption, move, hits;
    std::vector<bool> area;
    int shotClock;

    bool operator==(const Snapshot&) const = default;
};

class BattleTest : public support::GameTest {
protected:
    std::vector<ui::Millis> presses;
    std::function<void()> computerShot;
    ui::Millis shownAt = 0;

    void SetUp() override {
        f2().Command1.setClickHandler([this] {
            presses.push_back(app.now());
            if (computerShot) computerShot();
        });
    }

    void startBattle(const support::Fleet& playerFleet = support::kSampleFleet, int nation = 0) {
        startNewGame();
        showBattle(playerFleet, nation);
    }

    // The passage from the placement screen: records filled, placement hidden, battle shown.
    void showBattle(const support::Fleet& playerFleet, int nation) {
        support::setPlayerFleet(m(), playerFleet);
        support::setComputerFleet(m(), support::kSampleFleet);
        m().Natsiya = nation;
        f1().hide();
        shownAt = clock.now();
        f2().show();
    }

    // The way to the next battle from whichever screen the last one left.
    void nextBattle(const support::Fleet& playerFleet, int nation) {
        if (f3().visible()) f3().Command1.click();
        f4().Label1.click();
        showBattle(playerFleet, nation);
    }

    // Visibility of the picture area, top first: miss, Линкор, Фрегат, Галеон, Люгер.
    std::vector<bool> areaShown() {
        return {f2().ImagePromah.visible(), f2().ImageGLin.visible(), f2().ImageGFre.visible(),
                f2().ImageGGal.visible(), f2().ImageGLyg.visible()};
    }

    // The start state the battle reset leaves, whichever way the battle was left.
    void expectBattleReset() {
        for (int n = 1; n <= 200; ++n)
            EXPECT_TRUE(f2().Picture(n).picture().isNull()) << n;
        for (const ui::TextBox* t :
             {&f2().Text1, &f2().txtPom, &f2().txtJa, &f2().txtVr, &f2().Text2}) {
            EXPECT_EQ(t->text(), "0") << t->name();
        }
        EXPECT_EQ(f2().txtHodu.text(), "1");
        EXPECT_EQ(m().HodComp, 0);
        EXPECT_EQ(f2().LabelComp.caption(), "Ваш ход:");
        EXPECT_EQ(areaShown(), std::vector<bool>(5, false));
    }

    Snapshot snapshot() {
        Snapshot s{{},
                   m().VystrelyIgroka,
                   m().Popadanie,
                   m().HodComp,
                   m().Itog,
                   f2().LabelL.caption(),
                   f2().LabelComp.caption(),
                   f2().txtHodu.text(),
                   f2().txtJa.text(),
                   areaShown(),
                   f2().Timer1.interval()};
        for (int n = 1; n <= 200; ++n)
            s.cells.push_back(f2().Picture(n).picture());
        return s;
    }

    void shoot(int n) { f2().Picture(100 + n).click(); }
    // What the computer's miss writes: the move back to the player.
    void handBack() { f2().txtHodu.setText("1"); }
    void computerMissesEveryShot() {
        computerShot = [this] { handBack(); };
    }
};

}  // namespace battle_test
