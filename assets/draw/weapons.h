// The battle screen's decoration: a flintlock pistol crossed with a dagger on dark wood.
#pragma once

#include <QImage>

namespace draw {

QImage pistolAndDagger(int w, int h);

}  // namespace draw
