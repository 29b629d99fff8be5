// Form4, the welcome screen: a sea chart, a pulsing label whose click starts a new game.
#pragma once

#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace game {

class Game;

class Form4 final : public ui::Form {
public:
    explicit Form4(Game& game);

    ui::Image Image1;
    ui::Label Label1;
    ui::Timer Timer1;

    int FazaTsveta = 0;  // pulse phase, lives as long as the screen

    void Label1_Click();
    void Timer1_Timer();

private:
    Game& game_;
};

}  // namespace game
