// The two ways out of a battle share one reset and differ only in the screen that follows: the
// result screen after the twentieth hit of either side, the welcome screen after a confirmed
// "Покинуть игру". The reset leaves Module1, the message line, the flags and the timers alone;
// the move goes back to the player through the move field, so no computer shot follows on the
// hidden screen.
#include "battle/form2.h"
#include "shell/form3.h"
#include "shell/form4.h"
#include "shell/game.h"
#include "ui/application.h"

namespace game {

void Form2::battleReset() {
    Text1.setText("0");
    txtPom.setText("0");
    txtJa.setText("0");
    txtVr.setText("0");
    txtHodu.setText("1");
    Text2.setText("0");
    hidePictureArea();
    for (int n = 1; n <= 200; ++n)
        Picture(n).setPicture(ImagePusto.picture());
    hide();
}

void Form2::CommandVse_Click() {
    battleReset();
    game_.form3().show();
}

// No timer ticks while the question is open (the application holds them back and drops those
// that fell due), so nothing of the battle changes behind the box.
void Form2::CommandExit_Click() {
    if (app().ask("Вы уверены, что хотите выйти?", "Подтверждение выхода") == ui::Answer::No) {
        return;
    }
    battleReset();
    game_.form4().show();
}

}  // namespace game
