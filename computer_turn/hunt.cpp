#include "computer_turn/hunt.h"

#include <cstdlib>

#include "battle/form2.h"
#include "computer_turn/hit_ring.h"
#include "computer_turn/resolution.h"
#include "shell/module1.h"
#include "ui/random.h"

namespace game::computer_turn {

namespace {

int stepOf(int napravlenie) {
    switch (napravlenie) {
        case 1:
            return +10;
        case 2:
            return -1;
        case 3:
            return -10;
        default:
            return +1;
    }
}

// How many steps d from o the candidate lies: the second hit one step on; the third beyond
// the second hit or on the other side of the first; the fourth past the line's far end or at
// its other end.
int stepsFromFirstHit(int state, const HuntDraws& v) {
    if (state == 1) return 1;
    if (state == 2) return v.storonaTret == 0 ? 2 : -1;
    if (v.storonaTret == 0) return v.storonaChetv == 0 ? 3 : -1;
    return v.storonaChetv == 0 ? -2 : 2;
}

bool multipleOfTen(long x) {
    return x % 10 == 0;
}

// Whether some value of the state's own draw gives a candidate that is valid and not shot.
bool huntHasTarget(const Form2& f, const Module1& m, int state) {
    const long o = f.txtPom.number();
    HuntDraws v{m.Napravlenie, m.StoronaTret, m.StoronaChetv};
    const int values = state == 1 ? 4 : 2;
    for (int value = 0; value < values; ++value) {
        int& own = state == 1 ? v.napravlenie : (state == 2 ? v.storonaTret : v.storonaChetv);
        own = value;
        const std::optional<int> cell = validCandidate(m, state, o, v);
        if (cell && !alreadyShot(f, m, *cell)) return true;
    }
    return false;
}

bool searchHasTarget(const Form2& f, const Module1& m) {
    for (int k = 1; k <= 100; ++k) {
        if (!inMask(m, k) && !alreadyShot(f, m, k)) return true;
    }
    return false;
}

// Hunt state 1, 2 or 3: draw the state's own value and try it, until a candidate passes.
int hunt(const Form2& f, Module1& m, ui::Random& random, int state) {
    for (;;) {
        if (state == 1) m.Napravlenie = ui::wholePartOf(random, 4);
        if (state == 2) m.StoronaTret = ui::wholePartOf(random, 2);
        if (state == 3) m.StoronaChetv = ui::wholePartOf(random, 2);
        const long o = f.txtPom.number();
        const std::optional<int> cell =
            validCandidate(m, state, o, {m.Napravlenie, m.StoronaTret, m.StoronaChetv});
        if (cell) return *cell;
    }
}

// The random search: a cell 0..100, noted as the first hit with its ship's length at every
// draw; 0 goes back to the dispatch (nothing returned), a masked cell is drawn again.
std::optional<int> search(Form2& f, const Module1& m, ui::Random& random) {
    for (;;) {
        const int cell = ui::wholePartOf(random, 101);
        f.txtPom.setNumber(cell);
        if (cell == 0) return std::nullopt;
        f.Text1.setNumber(m.KorablKletki[cell]);
        if (!inMask(m, cell)) return cell;
    }
}

}  // namespace

std::optional<int> validCandidate(const Module1& m, int state, long o, const HuntDraws& draws) {
    const int d = stepOf(draws.napravlenie);
    const int steps = stepsFromFirstHit(state, draws);
    const long target = o + steps * d;
    if (target < 1 || target > 100) return std::nullopt;
    const int cell = static_cast<int>(target);
    if (d == 1 || d == -1) {
        // A step of +1 from x leaves the row when x ends a row, a step of -1 when x - 1 does.
        // Hunt state 2 tests every step from o; the others only the last one.
        const int s = steps > 0 ? d : -d;
        const int n = std::abs(steps);
        for (int i = state == 2 ? 0 : n - 1; i < n; ++i) {
            const long from = o + i * s;
            if (multipleOfTen(s == 1 ? from : from - 1)) return std::nullopt;
        }
    }
    if (inMask(m, cell)) return std::nullopt;
    return cell;
}

void sunkTest(Form2& f, Module1& m) {
    const long state = f.Text2.number();
    if (f.Text1.number() != state) return;
    if (state != 0) commitRing(m);
    f.Text2.setText("0");
}

std::optional<int> chooseTarget(Form2& f, Module1& m, ui::Random& random) {
    for (;;) {  // the dispatch
        const long state = f.Text2.number();
        if (state >= 1 && state <= 3) {
            if (huntHasTarget(f, m, static_cast<int>(state))) {
                return hunt(f, m, random, static_cast<int>(state));
            }
            f.Text2.setText("0");  // nothing left along this line: give the hunt up
        }
        if (!searchHasTarget(f, m)) return std::nullopt;
        if (const std::optional<int> cell = search(f, m, random)) return cell;
    }
}

}  // namespace game::computer_turn
