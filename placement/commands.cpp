#include "placement/form1.h"

namespace game {

void Form1::CommandRazm_Click() {}
void Form1::Image1_Click() {}
void Form1::Image2_Click() {}
void Form1::Image3_Click() {}
void Form1::Image4_Click() {}
void Form1::chooseShipType(int) {}
void Form1::cmdIskl_Click() {}
void Form1::cmdOtmena_Click() {}
void Form1::cmdOtmenitvso_Click() {}
void Form1::PictureClick(int) {}

}  // namespace game
