// Whose move it is and the computer's pace. The move field is the one source of truth: every
// write of it runs the hand-over, which copies it into HodComp and the move caption. The poll
// arms the shot clock while the computer has the move; re-arming with the same interval never
// delays its tick. The clock is not stopped when the move comes back: its next tick stops it,
// or answers at once a player who has missed again before it.
#include "battle/form2.h"
#include "shell/module1.h"

namespace game {

namespace {
constexpr int kShotClockMs = 3000;
}

void Form2::txtHodu_Change() {
    const bool computersMove = txtHodu.text() == "2";
    m_.HodComp = computersMove ? 1 : 0;
    LabelComp.setCaption(computersMove ? "Ходит компьютер:" : "Ваш ход:");
}

void Form2::Timer2_Timer() {
    if (m_.HodComp == 1) Timer1.setInterval(kShotClockMs);
}

void Form2::Timer1_Timer() {
    if (m_.HodComp == 0) {
        Timer1.setInterval(0);
        return;
    }
    Command1.press();
}

}  // namespace game
