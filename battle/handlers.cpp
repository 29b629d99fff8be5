#include "battle/form2.h"

namespace game {

void Form2::Form_Load() {}
void Form2::Form_Activate() {}
void Form2::PictureClick(int) {}
void Form2::cmdObraz_Click() {}
void Form2::txtHodu_Change() {}
void Form2::Timer2_Timer() {}
void Form2::Timer1_Timer() {}
void Form2::CommandVse_Click() {}
void Form2::CommandExit_Click() {}

}  // namespace game
