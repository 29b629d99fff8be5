// The three 21 x 21 cell bitmaps, set pixel by pixel: pure black or red on pure white, no
// smoothing, so that they stay crisp in the cells that show them unscaled.
#pragma once

#include <QImage>

namespace draw {

QImage cellDola(int w, int h);   // a ship segment: a square frame
QImage cellMimo(int w, int h);   // a miss: a small disc
QImage cellPopal(int w, int h);  // a hit: a red diagonal cross

}  // namespace draw
