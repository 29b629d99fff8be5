// The battle screen with the computer to move, for pressing Command1 directly. Draws are
// scripted; shoot() checks that the shot took exactly the numbers given, no more, no fewer.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "support/game_fixture.h"

namespace turn {

// Numbers that give a cell of the search (0..100), a direction (0..3) or a side/end (0..1).
inline double cellDraw(int k) {
    return support::pick(k, 101);
}
inline double dirDraw(int d) {
    return support::pick(d, 4);
}
inline double sideDraw(int s) {
    return support::pick(s, 2);
}

class TurnTest : public support::GameTest {
protected:
    void SetUp() override { startNewGame(); }

    // The battle screen shown over the player's `fleet` as the placement leaves it, with the
    // computer to move.
    void battle(const support::Fleet& fleet) {
        support::setPlayerFleet(m(), fleet);
        f1().hide();
        f2().show();
        computerMoves();
    }
    // The player has missed: the move is the computer's again.
    void computerMoves() { f2().txtHodu.setText("2"); }

    void shoot(const std::vector<double>& draws) {
        random.script(draws);
        const std::size_t before = random.taken();
        f2().Command1.press();
        EXPECT_EQ(random.taken() - before, draws.size()) << "numbers taken by the shot";
    }

    // What cell k of the player's grid shows: 'X' the hit cross, 'o' the miss dot, '.' else.
    char cell(int k) {
        const ui::Picture& p = f2().Picture(k).picture();
        if (p == f2().ImagePopal.picture()) return 'X';
        if (p == f2().ImageMimo.picture()) return 'o';
        return '.';
    }
    std::string grid() {
        std::string g;
        for (int k = 1; k <= 100; ++k)
            g += cell(k);
        return g;
    }
    // How many cells show something else than in an earlier grid().
    int changedSince(const std::string& before) {
        const std::string now = grid();
        int changed = 0;
        for (std::size_t k = 0; k < now.size(); ++k)
            changed += before[k] != now[k];
        return changed;
    }
    void showHit(int k) { f2().Picture(k).setPicture(f2().ImagePopal.picture()); }
    void showMiss(int k) { f2().Picture(k).setPicture(f2().ImageMimo.picture()); }

    // The cells now in the no-shoot mask.
    std::set<int> mask() {
        std::set<int> cells;
        for (int k = 1; k <= 100; ++k) {
            if (m().ZapretKomp[k] == k) cells.insert(k);
        }
        return cells;
    }

    // The names of the visible pictures of the picture area.
    std::vector<std::string> pictureArea() {
        std::vector<std::string> shown;
        for (ui::Image* i : {&f2().ImagePromah, &f2().ImageGLin, &f2().ImageGFre, &f2().ImageGGal,
                             &f2().ImageGLyg}) {
            if (i->visible()) shown.push_back(i->name());
        }
        return shown;
    }
};

}  // namespace turn
