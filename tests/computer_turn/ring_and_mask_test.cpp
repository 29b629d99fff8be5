// The hit ring around a computer hit and the no-shoot mask taken from it once a ship is sunk.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "computer_turn/hit_ring.h"
#include "support/case_name.h"
#include "turn_fixture.h"

namespace {

using namespace turn;

TEST(HitRing, MarksTheBoardNeighboursOfTheHitAndNeverWraps) {
    struct Case {
        int hit;
        std::set<int> ring;
    };
    const Case cases[] = {
        {1, {2, 11, 12}},
        {10, {9, 20, 19}},
        {91, {92, 81, 82}},
        {100, {90, 89, 99}},
        {5, {4, 6, 15, 14, 16}},
        {95, {94, 96, 85, 86, 84}},
        {11, {21, 12, 1, 2, 22}},
        {20, {19, 30, 10, 29, 9}},
        {55, {54, 65, 45, 64, 44, 56, 46, 66}},
        {81, {91, 82, 71, 72, 92}},
        {90, {89, 100, 80, 99, 79}},
    };
    for (const Case& c : cases) {
        game::Module1 m;
        game::computer_turn::markRing(m, c.hit);
        std::set<int> marked;
        for (int k = 1; k <= 100; ++k) {
            if (m.SosediPopadaniy[k] == k) marked.insert(k);
            EXPECT_TRUE(m.SosediPopadaniy[k] == 0 || m.SosediPopadaniy[k] == k);
        }
        EXPECT_EQ(marked, c.ring) << "hit on " << c.hit;
        EXPECT_TRUE(m.ZapretKomp == game::Module1{}.ZapretKomp) << "marking leaves the mask";
    }
}

// The draws that sink one ship, shot after shot, and the mask the next shot starts from.
struct SunkCase {
    const char* what;
    std::vector<int> ship;
    std::vector<double> draws;
    std::set<int> mask;
};

class MaskAfterSinking : public TurnTest, public ::testing::WithParamInterface<SunkCase> {};

TEST_P(MaskAfterSinking, HoldsTheShipAndItsSurroundingsFromTheNextShotOn) {
    const SunkCase& c = GetParam();
    battle({c.ship});
    random.script(c.draws);
    for (std::size_t hit = 0; hit < c.ship.size(); ++hit)
        f2().Command1.press();
    EXPECT_EQ(random.remaining(), 0u);
    for (int k : c.ship)
        EXPECT_EQ(cell(k), 'X') << k;
    EXPECT_TRUE(mask().empty()) << "not committed before the next shot";

    // The next shot commits the ring and then refuses every masked cell it draws.
    std::vector<double> next;
    for (int k : c.mask)
        next.push_back(cellDraw(k));
    next.push_back(cellDraw(77));
    shoot(next);
    EXPECT_EQ(mask(), c.mask);
    EXPECT_EQ(f2().Text2.text(), "0");
    EXPECT_EQ(cell(77), 'o');
    for (int k : c.mask) {
        if (std::find(c.ship.begin(), c.ship.end(), k) == c.ship.end()) {
            EXPECT_EQ(cell(k), '.') << "masked cells are drawn and never shot";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ships, MaskAfterSinking,
    ::testing::Values(
        SunkCase{"Galeon",
                 {45, 55},
                 {cellDraw(45), dirDraw(1)},
                 {34, 35, 36, 44, 45, 46, 54, 55, 56, 64, 65, 66}},
        SunkCase{"Fregat",
                 {45, 46, 47},
                 {cellDraw(46), dirDraw(0), sideDraw(1)},
                 {34, 35, 36, 37, 38, 44, 45, 46, 47, 48, 54, 55, 56, 57, 58}},
        // A one-cell ship's own cell never enters the ring, so it stays out of the mask.
        SunkCase{"Lyuger", {1}, {cellDraw(1)}, {2, 11, 12}},
        SunkCase{"LinkorOnTheEdge",
                 {10, 20, 30, 40},
                 {cellDraw(20), dirDraw(3), sideDraw(1), sideDraw(0)},
                 {9, 10, 19, 20, 29, 30, 39, 40, 49, 50}}),
    support::NameFromWhat{});

}  // namespace
