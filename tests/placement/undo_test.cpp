// "Отменить корабль" and "Отменить расстановку".
#include <array>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "placement/placement_fixture.h"
#include "support/case_name.h"

namespace placement_test {
namespace {

struct UndoCase {
    const char* what;
    std::vector<Step> steps;
    std::array<const char*, 4> stocks;  // Люгер, Галеон, Фрегат, Линкор
    std::set<int> occupied;
    std::set<int> red;
    const char* korabl;
};

void PrintTo(const UndoCase& c, std::ostream* os) {
    *os << c.what;
}

class UndoTest : public PlacementTest, public ::testing::WithParamInterface<UndoCase> {};

constexpr const char* kPrompt = "Выберите тип корабля";
constexpr std::array<const char*, 4> kFull = {"4", "3", "2", "1"};

TEST_P(UndoTest, LeavesTheGridAndStocksConsistent) {
    const UndoCase& c = GetParam();
    run(c.steps);
    EXPECT_EQ(f1().txtLyger.text(), c.stocks[0]);
    EXPECT_EQ(f1().txtGaleon.text(), c.stocks[1]);
    EXPECT_EQ(f1().txtFregat.text(), c.stocks[2]);
    EXPECT_EQ(f1().txtLinkor.text(), c.stocks[3]);
    EXPECT_EQ(f1().txtKorabl.text(), c.korabl);
    EXPECT_EQ(occupiedCells(), c.occupied);
    EXPECT_EQ(segmentCells(), c.occupied);
    EXPECT_EQ(redCells(), c.red);
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(m().KorablKletki[n] != 0, c.occupied.contains(n)) << n;
        EXPECT_TRUE(m().PoleIgroka[n] == 0 || m().PoleIgroka[n] == n) << n;
    }
    const Step::Op last = c.steps.back().op;
    if (last != Step::UndoShip && last != Step::UndoAll) return;
    // After either command no ship is under way: every cell refuses until the next choice.
    EXPECT_EQ(f1().txtUtschot.text(), "0");
    EXPECT_EQ(f1().txtNomerdoli.text(), "1");
    const Snapshot before = snapshot();
    for (int n = 1; n <= 100; ++n)
        click(n);
    expectSame(before, snapshot());
}

const std::set<int> kAroundGaleon4546 = {34, 35, 36, 37, 44, 45, 46, 47, 54, 55, 56, 57};
const std::set<int> kAroundLyger45 = {34, 35, 36, 44, 46, 54, 55, 56};

INSTANTIATE_TEST_SUITE_P(
    Cases, UndoTest,
    ::testing::Values(
        UndoCase{"before any choice", {undoShip()}, kFull, {}, {}, kPrompt},
        UndoCase{"a chosen ship with no segment", {choice(2), undoShip()}, kFull, {}, {}, kPrompt},
        UndoCase{
            "half a Линкор", {choice(4), cell(45), cell(46), undoShip()}, kFull, {}, {}, kPrompt},
        UndoCase{
            "a whole Галеон", {choice(2), cell(45), cell(46), undoShip()}, kFull, {}, {}, kPrompt},
        UndoCase{"a stuck Линкор",
                 {choice(4), cell(58), cell(59), cell(60), undoShip()},
                 kFull,
                 {},
                 {},
                 kPrompt},
        UndoCase{"the next choice only: the laid ship and its marks stay",
                 {choice(2), cell(45), cell(46), choice(1), undoShip()},
                 {"4", "2", "2", "1"},
                 {45, 46},
                 kAroundGaleon4546,
                 kPrompt},
        UndoCase{"a refused choice does not change which ship is undone",
                 {choice(3), cell(45), choice(1), undoShip()},
                 kFull,
                 {},
                 {},
                 kPrompt},
        UndoCase{"a refused choice of a used-up type",
                 {choice(4), cell(1), cell(2), cell(3), cell(4), choice(4), undoShip()},
                 kFull,
                 {},
                 {},
                 kPrompt},
        UndoCase{"a second undo changes nothing",
                 {choice(1), cell(45), choice(2), cell(48), cell(49), undoShip(), undoShip()},
                 {"3", "3", "2", "1"},
                 {45},
                 kAroundLyger45,
                 kPrompt},
        UndoCase{"the last of a type comes back and can be chosen again",
                 {choice(4), undoShip(), choice(4), cell(45)},
                 {"4", "3", "2", "0"},
                 {45},
                 {},
                 "Линкор"},
        UndoCase{"the whole placement with ships and marks",
                 {choice(4), cell(1), cell(2), cell(3), cell(4), choice(3), cell(21), cell(31),
                  cell(41), choice(1), cell(45), choice(2), undoAll()},
                 kFull,
                 {},
                 {},
                 kPrompt},
        UndoCase{"undo of a ship after the whole placement",
                 {choice(1), cell(45), choice(1), cell(47), undoAll(), undoShip()},
                 kFull,
                 {},
                 {},
                 kPrompt},
        UndoCase{"the next marking after the whole placement paints nothing",
                 {choice(4), cell(1), cell(2), cell(3), cell(4), choice(2), undoAll(), choice(2)},
                 {"4", "2", "2", "1"},
                 {},
                 {},
                 "Галеон"},
        // Without clearing the scratch array the inner cell's neighbours would come back.
        UndoCase{"a corner ship after the whole placement",
                 {choice(1), cell(55), choice(1), undoAll(), choice(1), cell(1), choice(2)},
                 {"3", "2", "2", "1"},
                 {1},
                 {2, 11, 12},
                 "Галеон"}),
    support::NameFromWhat{});

TEST_F(PlacementTest, UndoingEverythingLeavesTheCommandsAndTheShipRecord) {
    run({choice(3), cell(45), cell(46), cell(47), choice(2), cell(49)});
    const Snapshot before = snapshot();
    const std::vector<bool> shown = [&] {
        std::vector<bool> v;
        for (const ui::Control* c : f1().controls())
            v.push_back(c->visible());
        return v;
    }();

    f1().cmdOtmenitvso.click();

    const Snapshot after = snapshot();
    EXPECT_EQ(after.TekKorabl, before.TekKorabl);
    EXPECT_EQ(after.SchetDoli, before.SchetDoli);
    EXPECT_EQ(after.RazmerKorablya, before.RazmerKorablya);
    EXPECT_EQ(after.cells.substr(200), before.cells.substr(200));  // the computer's zone
    for (const char* field : {"txtNatschalo", "txtKletka", "txtMemory", "txtProverka"}) {
        EXPECT_EQ(after.texts.at(field), before.texts.at(field)) << field;
    }
    std::size_t i = 0;
    for (const ui::Control* c : f1().controls())
        EXPECT_EQ(c->visible(), shown[i++]) << c->name();
}

}  // namespace
}  // namespace placement_test
