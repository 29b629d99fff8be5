#include "ship_pictures.h"

#include <vector>

#include "fire.h"
#include "raster.h"
#include "seascape.h"
#include "weather.h"

namespace draw {

namespace {

struct Hero {
    ShipDesign design;
    QRectF area;  // fractions of the picture the ship fills
    bool facingLeft = false;
    double heel = 1.5;
};

QRectF scaled(const QRectF& r, int w, int h) {
    return QRectF(r.x() * w, r.y() * h, r.width() * w, r.height() * h);
}

ShipPose sail(QImage& img, const Hero& hero, const Weather& weather, double haze = 0.0) {
    const ShipPose pose = fitShip(hero.design, scaled(hero.area, img.width(), img.height()),
                                  hero.facingLeft, hero.heel);
    ShipLayer layer = paintShipLayer(img, hero.design, pose);
    tint(layer.image, weather.light, weather.lightAmount);
    launch(img, layer, pose, haze, weather.sea.haze);
    return pose;
}

QImage finish(QImage img, std::uint32_t seed, double vignetteStrength = 0.35) {
    vignette(img, vignetteStrength);
    addGrain(img, 0.018, seed);
    return img;
}

QImage portrait(int w, int h, const Hero& hero, const Weather& weather) {
    QImage img = background(w, h, weather);
    sail(img, hero, weather);
    return finish(img, hero.design.seed);
}

// A ship on fire: fires at points of the hull (ship units), smoke drifting before the wind.
struct Fire {
    QPointF at;     // ship units
    double width;   // ship units
    double height;  // ship units
};

// How the smoke goes: its width, how high it climbs (1: to the top of the picture) and how
// far the wind carries it aft for each unit it climbs.
struct Smoke {
    double width = 1.0;
    double rise = 1.0;
    double drift = 0.55;
};

QImage burning(int w, int h, const Hero& hero, const Weather& weather,
               const std::vector<Fire>& fires, const Smoke& smoke) {
    QImage img = background(w, h, weather);
    const ShipPose pose = fitShip(hero.design, scaled(hero.area, w, h), hero.facingLeft, hero.heel);
    ShipLayer layer = paintShipLayer(img, hero.design, pose);
    std::vector<Blaze> blazes;
    std::uint32_t seed = hero.design.seed * 7u;
    for (const Fire& f : fires) {
        blazes.push_back(
            {layer.map.map(f.at), f.width * pose.scale, f.height * pose.scale, ++seed});
        scorchLayer(layer.image, blazes.back());
    }
    tint(layer.image, weather.light, weather.lightAmount);
    launch(img, layer, pose, 0.0, weather.sea.haze, 0.6);
    for (const Blaze& b : blazes) {
        paintGlow(img, b);
        paintFireReflection(img, b, pose.waterline.y());
    }
    const double downwind = hero.facingLeft ? 1.0 : -1.0;  // smoke drifts aft, as the colours fly
    for (const Blaze& b : blazes) {
        Plume plume{b.base - QPointF(0, b.height * 0.5), (b.base.y() + h * 0.1) * smoke.rise,
                    downwind * smoke.drift, b.width * 0.3, b.width * 1.05 * smoke.width};
        plume.seed = b.seed + 100u;
        paintPlume(img, plume);
    }
    for (const Blaze& b : blazes)
        paintFlames(img, b);
    return finish(img, hero.design.seed, 0.45);
}

ShipDesign withRoyals(ShipDesign s) {
    for (MastDesign& m : s.masts) {
        if (!m.spanker) m.squareSails = 4;
    }
    return s;
}

}  // namespace

QImage luggerPicture(int w, int h) {
    return portrait(w, h, {lugger(), {0.05, 0.06, 0.9, 0.8}}, fairWeather(101));
}

QImage galleonPicture(int w, int h) {
    return portrait(w, h, {galleon(), {0.04, 0.04, 0.92, 0.83}}, goldenWeather(202));
}

QImage frigatePicture(int w, int h) {
    return portrait(w, h, {frigate(), {0.04, 0.04, 0.92, 0.83}}, fairWeather(303));
}

QImage linePicture(int w, int h) {
    return portrait(w, h, {shipOfTheLine(), {0.03, 0.03, 0.94, 0.85}}, fairWeather(404));
}

QImage winPicture(int w, int h) {
    const Weather weather = calmWeather(505);
    QImage img = background(w, h, weather);
    // Two consorts in the distance, then the flagship.
    ShipDesign far1 = shipOfTheLine();
    far1.seed = 51;
    sail(img, {far1, {0.03, 0.47, 0.25, 0.2}, true, 0.5}, weather, 0.5);
    ShipDesign far2 = frigate();
    far2.seed = 52;
    sail(img, {far2, {0.71, 0.49, 0.22, 0.18}, true, 0.5}, weather, 0.55);
    ShipDesign hero = withRoyals(frigate());
    hero.seed = 53;
    sail(img, {hero, {0.12, 0.05, 0.78, 0.8}, true, 1.0}, weather);
    return finish(img, 505);
}

QImage lossPicture(int w, int h) {
    const Weather weather = greyWeather(606);
    ShipDesign s = frigate();
    s.sailHoles = 5;
    s.pennant = QColor(120, 40, 36);
    s.seed = 61;
    QImage img = background(w, h, weather);
    sail(img, {s, {0.08, 0.06, 0.84, 0.8}, false, 3.0}, weather, 0.1);
    // The haze of powder smoke hanging over the water.
    Plume haze{QPointF(-w * 0.05, h * 0.66), h * 0.25, 4.0, h * 0.06, h * 0.16};
    haze.density = 0.14;
    haze.dark = QColor(120, 120, 118);
    haze.light = QColor(200, 200, 196);
    haze.fireLight = QColor(150, 150, 146);
    haze.seed = 62;
    paintPlume(img, haze);
    return finish(img, 606, 0.4);
}

QImage burningLinePicture(int w, int h) {
    ShipDesign s = shipOfTheLine();
    s.scorches = {{QPointF(-3, 30), 9}, {QPointF(-30, 22), 6}};
    s.seed = 71;
    return burning(w, h, {s, {0.05, 0.1, 0.88, 0.78}, false, -2.0}, fireWeather(707),
                   {{QPointF(-4, 15), 22, 24}, {QPointF(-34, 17), 12, 16}}, {});
}

QImage burningFrigatePicture(int w, int h) {
    ShipDesign s = frigate();
    s.scorches = {{QPointF(-2, 24), 8}};
    s.seed = 72;
    return burning(w, h, {s, {0.05, 0.1, 0.88, 0.78}, true, 2.0}, fireWeather(808),
                   {{QPointF(-3, 9), 20, 26}}, {});
}

QImage burningGalleonPicture(int w, int h) {
    ShipDesign s = galleon();
    s.pennant = QColor(14, 12, 12);
    s.pennantWidth = 2.6;
    s.ensign = QColor(20, 18, 18);
    s.ensignCanton = QColor(20, 18, 18);
    s.scorches = {{QPointF(-4, 22), 8}};
    s.seed = 73;
    return burning(w, h, {s, {0.05, 0.1, 0.88, 0.78}, false, -2.5}, fireWeather(909),
                   {{QPointF(-6, 9), 22, 24}, {QPointF(-36, 15), 10, 12}}, {0.9, 0.55, 1.3});
}

QImage burningLuggerPicture(int w, int h) {
    ShipDesign s = lugger();
    s.scorches = {{QPointF(5, 20), 9}};
    s.seed = 74;
    return burning(w, h, {s, {0.12, 0.2, 0.72, 0.7}, true, 3.0}, fireWeather(1010),
                   {{QPointF(6, 8), 30, 34}}, {1.1, 1.0, 0.7});
}

}  // namespace draw
