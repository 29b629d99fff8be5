#include "shell/form3.h"

#include "assets/catalogue.h"
#include "shell/form4.h"
#include "shell/game.h"
#include "shell/pulse.h"
#include "shell/screen.h"
#include "ui/application.h"

namespace game {

Form3::Form3(Game& game)
    : ui::Form(game.app(), "Form3"),
      Label1(*this, "Label1"),
      Image1(*this, "Image1"),
      Image2(*this, "Image2"),
      Command1(*this, "Command1"),
      Command2(*this, "Command2"),
      Timer1(*this, "Timer1", 20),
      game_(game) {
    screen::setUp(*this);

    Label1.setCaption("Вы проиграли!");
    Label1.setRect({1800, 240, 7935, 1335});
    Label1.setBackColour(0x808080);
    Label1.setOpaque(true);
    Label1.setFont(ui::boldFont(48.75, "Tahoma"));

    Image1.setRect({0, -120, 11895, 9015});
    Image1.setPicture(assets::picture(assets::Id::ResultLoss));
    Image1.setStretch(true);
    Image2.setRect({0, 120, 11895, 9015});
    Image2.setPicture(assets::picture(assets::Id::ResultWin));
    Image2.setStretch(true);

    Command1.setCaption("Играть сначала");
    Command1.setRect({1560, 7560, 1815, 735});
    Command1.setFont(ui::boldFont(12));
    Command2.setCaption("Выход");
    Command2.setRect({8400, 7560, 1815, 735});
    Command2.setFont(ui::boldFont(12));

    // The caption and the buttons lie above both pictures; the buttons take the focus in
    // the order "Играть сначала", "Выход" (a label never takes it).
    setStacking({&Command1, &Command2, &Label1, &Image1, &Image2});
    Label1.setTabIndex(0);
    Command1.setTabIndex(1);
    Command2.setTabIndex(2);

    setLoadHandler([this] { Form_Load(); });
    setActivateHandler([this] { Form_Activate(); });
    Command1.setClickHandler([this] { Command1_Click(); });
    Command2.setClickHandler([this] { Command2_Click(); });
    Timer1.setTickHandler([this] { Timer1_Timer(); });
}

void Form3::Form_Load() {
    showResult();
}
void Form3::Form_Activate() {
    showResult();
}

// Two separate tests, not one choice: any other outcome hides both pictures and leaves the
// caption as it was.
void Form3::showResult() {
    Image2.hide();
    Image1.hide();
    if (game_.module1().Itog == 1) {
        Image2.show();
        Label1.setCaption("Вы выиграли!");
    }
    if (game_.module1().Itog == 2) {
        Image1.show();
        Label1.setCaption("Вы проиграли!");
    }
}

void Form3::Command1_Click() {
    game_.form4().show();
    hide();
}

void Form3::Command2_Click() {
    app().end();
}

void Form3::Timer1_Timer() {
    pulseStep(Label1, FazaTsveta, kResultPulse);
}

}  // namespace game
