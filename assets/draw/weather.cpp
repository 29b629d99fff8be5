#include "weather.h"

#include "seascape.h"

namespace draw {

Weather fairWeather(std::uint32_t seed) {
    Weather w;
    w.sky = {QColor(58, 104, 168), QColor(206, 218, 226), QColor(255, 252, 244),
             QColor(138, 150, 172)};
    w.sky.cover = 0.5;
    w.sky.seed = seed;
    w.sea = {QColor(16, 50, 76), QColor(168, 190, 206), QColor(52, 92, 136), QColor(176, 192, 204)};
    w.sea.steepness = 0.55;
    w.sea.waveSize = 0.13;
    w.sea.foam_ = 0.55;
    w.sea.whitecaps = 70;
    w.sea.seed = seed + 1;
    w.horizon = 0.66;
    return w;
}

Weather calmWeather(std::uint32_t seed) {
    Weather w = fairWeather(seed);
    w.sky.zenith = QColor(46, 98, 172);
    w.sky.cover = 0.32;
    w.sky.cloudScale = 1.3;
    w.sea.deep = QColor(14, 56, 96);
    w.sea.skyHigh = QColor(44, 96, 160);
    w.sea.skyLow = QColor(160, 188, 214);
    w.sea.haze = QColor(170, 194, 214);
    w.sea.steepness = 0.25;
    w.sea.foam_ = 0.08;
    w.sea.whitecaps = 0;
    return w;
}

Weather goldenWeather(std::uint32_t seed) {
    Weather w;
    w.sky = {QColor(76, 106, 150), QColor(246, 214, 160), QColor(255, 236, 200),
             QColor(150, 120, 120)};
    w.sky.cover = 0.42;
    w.sky.sunX = 0.15;
    w.sky.sunGlow = QColor(255, 220, 150);
    w.sky.glow = 0.4;
    w.sky.seed = seed;
    w.sea = {QColor(24, 48, 66), QColor(236, 204, 156), QColor(70, 96, 130), QColor(214, 190, 156)};
    w.sea.steepness = 0.4;
    w.sea.whitecaps = 40;
    w.sea.seed = seed + 1;
    w.horizon = 0.67;
    w.light = QColor(255, 200, 130);
    w.lightAmount = 0.12;
    return w;
}

Weather greyWeather(std::uint32_t seed) {
    Weather w;
    w.sky = {QColor(98, 102, 108), QColor(190, 190, 186), QColor(214, 212, 206),
             QColor(110, 112, 116)};
    w.sky.cover = 0.75;
    w.sky.softness = 0.5;
    w.sky.glow = 0.1;
    w.sky.sunGlow = QColor(230, 226, 214);
    w.sky.seed = seed;
    w.sea = {QColor(40, 50, 54), QColor(170, 172, 170), QColor(92, 98, 104), QColor(160, 162, 160)};
    w.sea.steepness = 0.5;
    w.sea.foam_ = 0.3;
    w.sea.fogDistance = 3.5;
    w.sea.whitecaps = 60;
    w.sea.seed = seed + 1;
    w.horizon = 0.64;
    w.light = QColor(120, 122, 124);
    w.lightAmount = 0.2;
    return w;
}

Weather fireWeather(std::uint32_t seed) {
    Weather w;
    w.sky = {QColor(44, 42, 52), QColor(190, 120, 80), QColor(170, 110, 80), QColor(50, 44, 48)};
    w.sky.cover = 0.6;
    w.sky.softness = 0.4;
    w.sky.sunX = 0.7;
    w.sky.sunGlow = QColor(255, 150, 70);
    w.sky.glow = 0.35;
    w.sky.seed = seed;
    w.sea = {QColor(14, 18, 24), QColor(170, 104, 70), QColor(50, 46, 56), QColor(140, 90, 66)};
    w.sea.steepness = 0.5;
    w.sea.foam_ = 0.12;
    w.sea.foam = QColor(200, 160, 130);
    w.sea.seed = seed + 1;
    w.horizon = 0.68;
    w.light = QColor(110, 58, 36);
    w.lightAmount = 0.45;
    return w;
}

Weather spyglassWeather(std::uint32_t seed) {
    Weather w;
    w.sky = {QColor(120, 126, 132), QColor(200, 202, 200), QColor(222, 222, 218),
             QColor(140, 144, 148)};
    w.sky.cover = 0.6;
    w.sky.softness = 0.6;
    w.sky.glow = 0.05;
    w.sky.seed = seed;
    w.sea = {QColor(52, 60, 64), QColor(180, 182, 180), QColor(104, 110, 114),
             QColor(178, 180, 178)};
    w.sea.steepness = 0.45;
    w.sea.waveSize = 0.06;
    w.sea.foam_ = 0.2;
    w.sea.whitecaps = 50;
    w.sea.seed = seed + 1;
    w.horizon = 0.42;
    return w;
}

QImage background(int w, int h, const Weather& weather) {
    return seascape(w, h, static_cast<int>(h * weather.horizon), weather.sky, weather.sea);
}

}  // namespace draw
