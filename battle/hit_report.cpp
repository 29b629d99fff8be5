// The player's hit report: names the type of the enemy ship struck (known only by its slots
// in the computer's fleet), shows its large picture, counts the hit and, at the twentieth,
// ends the battle as won.
#include <string>

#include "battle/form2.h"
#include "placement/ship_types.h"
#include "shell/module1.h"

namespace game {

namespace {

// What a hit on each type shows; the types, known by their length, are tested longest first.
struct HitReport {
    int length;
    const char* message;
    ui::Image Form2::*picture;
};

const HitReport kReports[] = {
    {4, "Задет вражеский ЛИНКОР!", &Form2::ImageGLin},
    {3, "Задет вражеский ФРЕГАТ!", &Form2::ImageGFre},
    {2, "Задет вражеский ГАЛЕОН!", &Form2::ImageGGal},
    {1, "Задет вражеский ЛЮГЕР", &Form2::ImageGLyg},
};

// Whether the latest hit lies in a slot of some ship of the type.
bool struck(const Module1& m, int length) {
    for (const placement::FleetShip& ship : placement::kFleet) {
        if (ship.length != length) continue;
        for (int slot = ship.firstSlot; slot <= ship.lastSlot(); ++slot) {
            if (m.FlotVraga[slot] == m.Popadanie) return true;
        }
    }
    return false;
}

}  // namespace

void Form2::hidePictureArea() {
    ImageGLyg.hide();
    ImageGGal.hide();
    ImageGFre.hide();
    ImageGLin.hide();
    ImagePromah.hide();
}

void Form2::cmdObraz_Click() {
    hidePictureArea();
    for (const HitReport& report : kReports) {
        if (!struck(m_, report.length)) continue;
        LabelL.setCaption(report.message);
        (this->*report.picture).show();
        txtJa.setNumber(txtJa.number() + 1);
    }

    // Itog first: the result screen reads it while it is being shown.
    if (txtJa.text() == "20") {
        m_.Itog = 1;
        CommandVse.press();
    }
}

}  // namespace game
