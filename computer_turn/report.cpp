#include "computer_turn/report.h"

#include <array>

#include "battle/form2.h"
#include "shell/module1.h"

namespace game::computer_turn {

namespace {

struct HitReport {
    int length;
    const char* text;
    ui::Image Form2::*picture;
};

// The one-cell ship's message ends without "!", unlike the others.
constexpr std::array<HitReport, 4> kHitReports{{
    {1, "Задет ваш ЛЮГЕР", &Form2::ImageGLyg},
    {2, "Задет ваш ГАЛЕОН!", &Form2::ImageGGal},
    {3, "Задет ваш ФРЕГАТ!", &Form2::ImageGFre},
    {4, "Задет ваш ЛИНКОР!", &Form2::ImageGLin},
}};

}  // namespace

void reportShot(Form2& f, const Module1& m, int k) {
    for (const HitReport& row : kHitReports) {
        if (m.KorablKletki[k] != row.length) continue;
        f.LabelL.setCaption(row.text);
        (f.*row.picture).show();
        f.txtVr.setNumber(f.txtVr.number() + 1);
    }
    if (m.KorablKletki[k] == 0) {
        f.LabelL.setCaption("");
        f.ImagePromah.show();
    }
}

void defeatTest(Form2& f, Module1& m) {
    if (f.txtVr.text() != "20") return;
    m.Itog = 2;  // before the press: the result screen reads it while it is being shown
    f.CommandVse.press();
}

}  // namespace game::computer_turn
