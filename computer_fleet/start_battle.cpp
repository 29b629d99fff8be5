#include "placement/form1.h"

namespace game {

void Form1::cmdStart_Click() {}

}  // namespace game
