#include "placement/form1.h"
#include "shell/module1.h"

namespace game {

// The warm-up counter: 1, 2, ... 30 after a reset, then 2 ... 30 over and over.
void Form1::Timer1_Timer() {
    m_.SchetTaimera = m_.SchetTaimera + 1;
    if (m_.SchetTaimera > 30) m_.SchetTaimera = 2;
}

}  // namespace game
