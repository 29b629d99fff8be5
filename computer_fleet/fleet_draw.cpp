#include "computer_fleet/fleet_draw.h"

#include "computer_fleet/fleet_checks.h"
#include "computer_fleet/warm_up.h"
#include "placement/ship_types.h"
#include "shell/module1.h"
#include "ui/random.h"

namespace game {

namespace {

using placement::FleetShip;

int cellDraw(ui::Random& random) {
    return ui::wholePartOf(random, 101);
}
int codeDraw(ui::Random& random) {
    return ui::wholePartOf(random, 4);
}

int warmUpCell(ui::Random& random, int warmUps) {
    int cell = 0;
    for (int i = 0; i < warmUps; ++i)
        cell = cellDraw(random);
    return cell;
}

// A kept 0 is no cell: it is replaced by fresh single draws until it is one.
int redrawZero(ui::Random& random, int cell) {
    while (cell == 0)
        cell = cellDraw(random);
    return cell;
}

// The bow is kept; directions are drawn until one is accepted. Some vertical direction always
// fits, so the loop ends.
void layShip(Module1& m, ui::Random& random, const FleetShip& ship, int bow) {
    m.FlotVraga[ship.firstSlot] = bow;
    for (;;) {
        const int code = codeDraw(random);
        const int step = directionStep(code);
        for (int i = 1; i < ship.length; ++i)
            m.FlotVraga[ship.firstSlot + i] = bow + i * step;
        if (directionAccepted(ship.length, bow, code)) return;
    }
}

}  // namespace

bool directionAccepted(int length, int bow, int code) {
    const int farEnd = bow + (length - 1) * directionStep(code);
    if (farEnd > 100 || farEnd < 1) return false;
    if (code == 1 || code == 3) return true;
    // Row key c div 10 groups 10m .. 10m + 9, so the last column shares its key with the next
    // row: the two multiple-of-ten clauses keep horizontal ships off that column altogether.
    if (bow / 10 != farEnd / 10) return false;
    if (farEnd > bow && bow % 10 == 0) return false;
    if (bow > farEnd && farEnd % 10 == 0) return false;
    return true;
}

int drawComputerFleet(Module1& m, ui::Random& random, int warmUps) {
    warmUps = warmUpCount(warmUps);
    for (int attempt = 1;; ++attempt) {
        // Only the click's first attempt warms the Линкор's bow.
        const int linkorBow = attempt == 1 ? warmUpCell(random, warmUps) : cellDraw(random);
        layShip(m, random, placement::kLongShips.front(), redrawZero(random, linkorBow));
        for (const FleetShip& ship : placement::kLongShips.subspan(1)) {
            layShip(m, random, ship, redrawZero(random, warmUpCell(random, warmUps)));
        }
        // The four Люгер are warmed together: the whole group is drawn `warmUps` times.
        for (int i = 0; i < warmUps; ++i) {
            for (const FleetShip& lyger : placement::kLygers) {
                m.FlotVraga[lyger.firstSlot] = redrawZero(random, cellDraw(random));
            }
        }
        if (fleetPasses(m)) return attempt;
    }
}

void drawNation(Module1& m, ui::Random& random, int warmUps) {
    warmUps = warmUpCount(warmUps);
    for (int i = 0; i < warmUps; ++i)
        m.Natsiya = codeDraw(random);
}

}  // namespace game
