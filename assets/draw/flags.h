// The battle screen's flags: the player's black flag and the four nations' flags.
#pragma once

#include <QImage>

namespace draw {

QImage pirateFlag(int w, int h);
QImage englandFlag(int w, int h);
QImage franceFlag(int w, int h);
QImage spainFlag(int w, int h);
QImage hollandFlag(int w, int h);

}  // namespace draw
