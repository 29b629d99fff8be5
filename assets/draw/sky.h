// Skies: a gradient from the zenith to the horizon with soft, lit clouds.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

namespace draw {

struct SkyStyle {
    QColor zenith;
    QColor horizon;
    QColor cloudLight;
    QColor cloudShade;
    double cover = 0.45;      // 0 a clear sky, 1 overcast
    double cloudScale = 1.0;  // feature size, relative to the picture's width
    double softness = 0.25;   // width of the cloud edges
    double sunX = 0.25;       // where the light comes from, as a fraction of the width
    QColor sunGlow = QColor(255, 240, 210);
    double glow = 0.3;  // strength of the light around the sun
    std::uint32_t seed = 1;
};

// Paints rows [0, horizonY) of `img`.
void paintSky(QImage& img, int horizonY, const SkyStyle& style);

}  // namespace draw
