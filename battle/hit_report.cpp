// The player's hit report: names the type of the enemy ship struck (known only by its slots
// in the computer's fleet), shows its large picture, counts the hit and, at the twentieth,
// ends the battle as won.
#include <string>

#include "battle/form2.h"
#include "shell/module1.h"

namespace game {

namespace {

struct ShipType {
    int firstSlot;
    int lastSlot;
    const char* message;
    ui::Image Form2::*picture;
};

const ShipType kTypes[] = {
    {1, 4, "Задет вражеский ЛИНКОР!", &Form2::ImageGLin},
    {5, 10, "Задет вражеский ФРЕГАТ!", &Form2::ImageGFre},
    {11, 16, "Задет вражеский ГАЛЕОН!", &Form2::ImageGGal},
    {17, 20, "Задет вражеский ЛЮГЕР", &Form2::ImageGLyg},
};

bool struck(const Module1& m, const ShipType& type) {
    for (int slot = type.firstSlot; slot <= type.lastSlot; ++slot) {
        if (m.FlotVraga[slot] == m.Popadanie) return true;
    }
    return false;
}

}  // namespace

void Form2::cmdObraz_Click() {
    ImageGLyg.hide();
    ImageGGal.hide();
    ImageGFre.hide();
    ImageGLin.hide();
    ImagePromah.hide();

    for (const ShipType& type : kTypes) {
        if (!struck(m_, type)) continue;
        LabelL.setCaption(type.message);
        (this->*type.picture).show();
        txtJa.setNumber(txtJa.number() + 1);
    }

    // Itog first: the result screen reads it while it is being shown.
    if (txtJa.text() == "20") {
        m_.Itog = 1;
        CommandVse.press();
    }
}

}  // namespace game
