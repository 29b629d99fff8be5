// Form3, the result screen: the outcome in Itog as a picture and a large caption, with
// "Играть сначала" back to the welcome screen and "Выход" out of the program.
#pragma once

#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace game {

class Game;

class Form3 final : public ui::Form {
public:
    explicit Form3(Game& game);

    ui::Label Label1;
    ui::Image Image1;  // the loss picture
    ui::Image Image2;  // the win picture
    ui::CommandButton Command1;
    ui::CommandButton Command2;
    ui::Timer Timer1;

    int FazaTsveta = 0;

    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();

private:
    void showResult();
    Game& game_;
};

}  // namespace game
