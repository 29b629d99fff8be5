#include "shell/form4.h"

#include "assets/catalogue.h"
#include "placement/form1.h"
#include "shell/game.h"
#include "shell/pulse.h"
#include "shell/screen.h"

namespace game {

Form4::Form4(Game& game)
    : ui::Form(game.app(), "Form4"),
      Image1(*this, "Image1"),
      Label1(*this, "Label1"),
      Timer1(*this, "Timer1", 50),
      game_(game) {
    screen::setUp(*this);

    Image1.setRect({0, 0, 11895, 9015});
    Image1.setPicture(assets::picture(assets::Id::WelcomeChart));
    Image1.setStretch(true);

    Label1.setCaption("Добро пожаловать в игру \"Бурунцы: волноборье\"! (Кликнуть здесь)");
    Label1.setRect({1680, 3360, 8655, 2295});
    Label1.setBackColour(0x4080);
    Label1.setOpaque(true);
    Label1.setAlignment(ui::Align::Centre);
    Label1.setFont(ui::boldFont(30, "Tahoma"));

    setStacking({&Label1, &Image1});

    Label1.setClickHandler([this] { Label1_Click(); });
    Timer1.setTickHandler([this] { Timer1_Timer(); });
}

// A new game: the shared record is reset, the placement screen comes up, then this one goes.
void Form4::Label1_Click() {
    game_.module1().reset();
    game_.form1().show();
    hide();
}

void Form4::Timer1_Timer() {
    pulseStep(Label1, FazaTsveta, kWelcomePulse);
}

}  // namespace game
