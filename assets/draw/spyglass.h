// The battle screen's large miss picture: an empty grey sea seen through a spyglass.
#pragma once

#include <QImage>

namespace draw {

QImage spyglassView(int w, int h);

}  // namespace draw
