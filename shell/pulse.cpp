#include "shell/pulse.h"

#include <algorithm>
#include <cstdlib>

#include "ui/control.h"

namespace game {

ui::Colour pulseColour(int phase, const PulseRow& row) {
    const int red = std::min(std::abs(phase - 256), 255);
    return ui::rgb(red, row.green, row.blue);
}

void pulseStep(ui::Label& label, int& phase, const PulseRow& row) {
    phase += row.step;
    if (phase > 510) phase = 0;
    label.setForeColour(pulseColour(phase, row));
}

}  // namespace game
