// Whole games on the model, from the welcome screen through the placement to the result
// screen, on free-running numbers from different stretches of the sequence: a battle the
// player loses, then, in the same run, one the player wins. Every computer move keeps the
// battle consistent, and each battle ends with the result screen alone and nothing after it.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/placement_clicks.h"
#include "turn_fixture.h"

namespace {

using namespace turn;

const support::Fleet kOtherFleet = {
    {91, 92, 93, 94}, {60, 70, 80}, {12, 13, 14}, {35, 45}, {37, 38},
    {97, 98},         {8},          {10},         {52},     {77},
};

class WholeGame : public TurnTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        random.freeRun();
        for (int i = 0; i < GetParam(); ++i)
            random.next();
        game.start();
    }

    // From the welcome screen to the battle screen, laying `fleet`.
    void newBattle(const support::Fleet& fleet) {
        f4().Label1.click();
        advance(30 * (GetParam() % 31));  // the moment of the click varies the draws too
        support::startPlacement(f1());
        support::layFleet(f1(), fleet);
        f1().cmdStart.click();
        ASSERT_EQ(visibleForms(), (std::vector<ui::Form*>{&f2()}));
        EXPECT_TRUE(mask().empty());
        EXPECT_EQ(f2().txtVr.number(), 0);
    }

    bool enemyCell(int n) {
        for (int slot = 1; slot <= 20; ++slot) {
            if (m().FlotVraga[slot] == n) return true;
        }
        return false;
    }
    bool over() { return !f2().visible(); }

    // The player's shot at cell n of the computer's grid; after a miss, the computer's move
    // runs on the clock until the move comes back or the battle is over.
    void playerShoots(int n) {
        f2().Picture(100 + n).click();
        if (f2().txtHodu.text() != "2") return;
        for (int waited = 0; !over() && f2().txtHodu.text() == "2"; waited += 100) {
            ASSERT_LT(waited, 100 * 3000) << "the computer's move never ended";
            advance(100);
        }
        if (!over()) expectConsistent();
    }

    void expectConsistent() {
        EXPECT_EQ(f2().LabelComp.caption(), "Ваш ход:");
        EXPECT_EQ(m().HodComp, 0);
        int hits = 0;
        for (int k = 1; k <= 100; ++k) {
            const bool ship = m().PoleIgroka[k] == k;
            const ui::Picture& p = f2().Picture(k).picture();
            if (ship) {
                EXPECT_TRUE(p == f2().ImagePopal.picture() || p == f2().ImageDola.picture()) << k;
                if (p == f2().ImageDola.picture()) {
                    EXPECT_NE(m().ZapretKomp[k], k) << "an unhit ship cell is never masked";
                }
            } else {
                EXPECT_TRUE(p == f2().ImageMimo.picture() || p.isNull()) << k;
            }
            hits += p == f2().ImagePopal.picture();
        }
        EXPECT_EQ(f2().txtVr.number(), hits);
        EXPECT_LE(f2().Text2.number(), f2().Text1.number());
        EXPECT_EQ(pictureArea().size(), 1u);
    }

    // The result screen alone, the battle screen reset, and no shot on the hidden screen.
    void expectEnded(int itog) {
        EXPECT_EQ(m().Itog, itog);
        EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f3()}));
        EXPECT_EQ(f3().Label1.caption(), itog == 1 ? "Вы выиграли!" : "Вы проиграли!");
        advance(10000);
        EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f3()}));
        EXPECT_EQ(f2().Timer1.interval(), 0) << "the shot clock stopped at its next tick";
        for (int n = 1; n <= 200; ++n)
            EXPECT_TRUE(f2().Picture(n).picture().isNull()) << n;
        for (ui::TextBox* t : {&f2().Text1, &f2().Text2, &f2().txtPom, &f2().txtVr, &f2().txtJa}) {
            EXPECT_EQ(t->text(), "0") << t->name();
        }
        EXPECT_EQ(f2().txtHodu.text(), "1");
        EXPECT_EQ(m().HodComp, 0);
    }
};

TEST_P(WholeGame, ThePlayerLosesAndThenWins) {
    newBattle(support::kSampleFleet);
    // The player misses every shot: the computer sinks the whole fleet.
    for (int n = 1; n <= 100 && !over(); ++n) {
        if (!enemyCell(n)) playerShoots(n);
    }
    ASSERT_TRUE(over());
    expectEnded(2);

    f3().Command1.click();
    newBattle(kOtherFleet);
    // The player hits the computer's ships slot by slot, missing after every fifth hit.
    std::vector<int> misses;
    for (int n = 100; n >= 1; --n) {
        if (!enemyCell(n)) misses.push_back(n);
    }
    for (int slot = 1; slot <= 20 && !over(); ++slot) {
        playerShoots(m().FlotVraga[slot]);
        if (slot % 5 == 0 && !over()) {
            playerShoots(misses.back());
            misses.pop_back();
        }
    }
    expectEnded(1);
}

INSTANTIATE_TEST_SUITE_P(Sequences, WholeGame, ::testing::Range(0, 160, 10),
                         ::testing::PrintToStringParamName());

}  // namespace
