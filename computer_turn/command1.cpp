#include "battle/form2.h"

namespace game {

// One computer shot. (Filled in with the computer's turn.)
void Form2::Command1_Click() {}

}  // namespace game
