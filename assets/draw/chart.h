// The welcome screen's picture: an old sea chart on parchment, with islands, sailing ships,
// rhumb lines and a compass rose. A large label covers its middle band, so the islands, the
// rose and the ships keep to the top and bottom.
#pragma once

#include <QImage>

namespace draw {

QImage seaChart(int w, int h);

}  // namespace draw
