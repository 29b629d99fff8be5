// The open sea seen from a little above the water: waves in perspective, reflecting the sky.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

namespace draw {

struct SeaStyle {
    QColor deep;     // colour of the water body, seen where the waves face the viewer
    QColor skyLow;   // sky near the horizon, reflected by the far sea and the wave backs
    QColor skyHigh;  // sky overhead, reflected by wave faces tilted towards the viewer
    QColor haze;     // the distance fades into this
    QColor foam = QColor(236, 240, 238);
    double steepness = 0.35;  // wave slope
    double waveSize = 0.09;   // length of the main swell at the bottom row, per picture width
    double foam_ = 0.25;      // how much of the crests break white
    double fogDistance = 6;   // in multiples of the distance to the bottom row
    double direction = 0.0;   // swell direction, radians from the line of sight
    int whitecaps = 0;        // breaking crests brushed over the near water
    std::uint32_t seed = 7;
};

// Paints rows [horizonY, height) of `img`.
void paintSea(QImage& img, int horizonY, const SeaStyle& style);

}  // namespace draw
