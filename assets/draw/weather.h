// The skies and seas of the ship pictures, one preset per mood.
#pragma once

#include <cstdint>

#include "sea.h"
#include "sky.h"

namespace draw {

struct Weather {
    SkyStyle sky;
    SeaStyle sea;
    double horizon;                        // as a fraction of the picture's height
    QColor light = QColor(255, 255, 255);  // the light falling on the ships
    double lightAmount = 0.0;
};

Weather fairWeather(std::uint32_t seed);      // blue sky, white clouds, blue sea
Weather calmWeather(std::uint32_t seed);      // a calm blue sea, few clouds
Weather goldenWeather(std::uint32_t seed);    // late afternoon, warm light
Weather greyWeather(std::uint32_t seed);      // grey, hazy, after a battle
Weather fireWeather(std::uint32_t seed);      // dusk darkened by smoke, lit by fire
Weather spyglassWeather(std::uint32_t seed);  // an empty grey sea

// The sky and the sea of a picture in this weather, without ships.
QImage background(int w, int h, const Weather& weather);

}  // namespace draw
