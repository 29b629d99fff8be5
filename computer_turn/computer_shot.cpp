#include <optional>

#include "battle/form2.h"
#include "computer_turn/hunt.h"
#include "computer_turn/report.h"
#include "computer_turn/resolution.h"
#include "ui/application.h"

namespace game {

// One computer shot, pressed by the shot clock. A target refused as already shot goes back to
// the target choice (not to the sunk test) for a fresh draw of the same hunt state; the report
// and the defeat test run once, for the cell finally shot.
void Form2::Command1_Click() {
    using namespace computer_turn;
    hidePictureArea();
    sunkTest(*this, m_);
    for (;;) {
        const std::optional<int> target = chooseTarget(*this, m_, app().random());
        if (!target) {
            txtHodu.setText("1");  // every cell is shot already: nothing to do but pass
            return;
        }
        if (resolveShot(*this, m_, *target) == Outcome::Refused) continue;
        reportShot(*this, m_, *target);
        defeatTest(*this, m_);
        return;
    }
}

}  // namespace game
