// The placement screen of a new game, with readings of the grid and of the screen's whole
// working state, for the placement tests.
#pragma once

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/game_fixture.h"
#include "support/placement_clicks.h"

namespace placement_test {

// Everything the placement commands may write, in a form gtest prints readably.
struct Snapshot {
    std::map<std::string, std::string> texts;  // every text field of Form1 by name
    std::string cells;                         // per cell of both grids: picture and colour
    std::array<int, 101> PoleIgroka{};
    std::array<int, 101> KorablKletki{};
    std::array<int, 5> TekKorabl{};
    std::array<int, 9> Sosedi{};
    int SchetDoli = 0;
    int RazmerKorablya = 0;
};

void expectSame(const Snapshot& before, const Snapshot& after);

// One action of the player on the placement screen, for tables of scenarios.
struct Step {
    enum Op { Choose, Click, UndoShip, UndoAll } op;
    int arg = 0;
};
inline Step choice(int length) {
    return {Step::Choose, length};
}
inline Step cell(int n) {
    return {Step::Click, n};
}
inline Step undoShip() {
    return {Step::UndoShip};
}
inline Step undoAll() {
    return {Step::UndoAll};
}

// The placement screen of a new game, before "Начать размещение!".
class WaitingScreenTest : public support::GameTest {
protected:
    void SetUp() override { startNewGame(); }

    void choose(int length) { support::shipPicture(f1(), length).click(); }
    void click(int n) { f1().Picture(n).click(); }

    bool isSegment(int n) { return f1().Picture(n).picture() == f1().ImageDola.picture(); }
    bool isRed(int n) { return f1().Picture(n).backColour() == ui::Colour{255}; }
    std::set<int> redCells();
    std::set<int> segmentCells();
    std::set<int> occupiedCells();  // by PoleIgroka
    Snapshot snapshot();
    void run(const std::vector<Step>& steps);
};

// After "Начать размещение!".
class PlacementTest : public WaitingScreenTest {
protected:
    void SetUp() override {
        WaitingScreenTest::SetUp();
        support::startPlacement(f1());
    }

    // Clicks cell n and checks the outcome against the rule: an accepted click lays the next
    // segment of the current ship of the given length (whose cells so far are `laid`, which
    // grows by n); a refused one changes nothing but txtMemory, which may take the cell laid
    // last.
    void expectClick(int n, bool accepted, int length, std::vector<int>& laid);
};

}  // namespace placement_test
