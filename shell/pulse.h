// The label colour pulse shared by the welcome and the result screens: one step per tick of
// the screen's timer, whatever the time between ticks.
#pragma once

#include "ui/colour.h"

namespace ui {
class Label;
}

namespace game {

struct PulseRow {
    int step;
    int green;
    int blue;
};

inline constexpr PulseRow kWelcomePulse{20, 17, 0};
inline constexpr PulseRow kResultPulse{10, 180, 130};

// The colour for a phase: red = |phase - 256| limited to 255, with the row's green and blue.
ui::Colour pulseColour(int phase, const PulseRow& row);

// Advances `phase` by one step (back to 0 past 510) and sets the label's text colour.
void pulseStep(ui::Label& label, int& phase, const PulseRow& row);

}  // namespace game
