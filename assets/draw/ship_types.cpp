// The ship types of the game, from the smallest to the largest.
#include "ship.h"

namespace draw {

ShipDesign lugger() {
    ShipDesign s;
    s.freeboard = 6.5;
    s.sternSheer = 2.5;
    s.bowSheer = 3.5;
    s.hull = QColor(118, 80, 46);
    s.trim = QColor(214, 196, 150);
    s.bands = {{0.74, 1.05, QColor(36, 56, 84)}};
    s.wales = {0.46};
    s.guns = {{0.8, -26, 14, 4, 1.0}};
    s.masts = {
        {-4, 60, Rig::Lug, 0, false, false, 40, 8, 10},
        {31, 52, Rig::Lug, 0, false, false, 32, 5, 8},
    };
    s.bowsprit = 22;
    s.bowspritAngle = 8;
    s.jibs = 1;
    s.quarterGallery = false;
    s.sternLantern = false;
    s.mastWidth = 0.85;
    s.sail = QColor(198, 142, 92);
    s.pennant = QColor(190, 40, 36);
    s.ensignSize = 6.5;
    s.seed = 11;
    return s;
}

ShipDesign galleon() {
    ShipDesign s;
    s.freeboard = 7.5;
    s.sternSheer = 7.0;
    s.bowSheer = 4.5;
    s.castles = {{-60, -18, 5.0}, {-60, -33, 4.6}, {-60, -44, 3.0}, {28, 60, 4.6}};
    s.castlePanels = true;
    s.hull = QColor(92, 44, 28);
    s.trim = QColor(214, 168, 70);
    s.bands = {{0.52, 0.64, QColor(196, 150, 60)},
               {1.02, 1.55, QColor(140, 34, 28)},
               {1.64, 2.4, QColor(34, 62, 48)}};
    s.wales = {0.3, 0.46};
    s.guns = {{0.42, -30, 20, 7, 1.6}, {1.28, -45, -25, 3, 1.2}};
    s.masts = {
        {-29, 50, Rig::Lateen, 0, false, false, 46, 1, 24},
        {-3, 74, Rig::Square, 2, true, false, 42, 1, 30},
        {22, 62, Rig::Square, 2, true, false, 35, 0, 24},
    };
    s.bowsprit = 26;
    s.bowspritAngle = 30;
    s.jibs = 0;
    s.spritsail = true;
    s.sail = QColor(232, 220, 192);
    s.pennant = QColor(196, 36, 32);
    s.ensign = QColor(200, 168, 60);
    s.ensignCanton = QColor(160, 30, 30);
    s.ensignSize = 10;
    s.seed = 22;
    return s;
}

ShipDesign frigate() {
    ShipDesign s;
    s.freeboard = 7.5;
    s.sternSheer = 3.5;
    s.bowSheer = 2.5;
    s.castles = {{-60, -18, 1.8}, {29, 60, 1.2}};
    s.hull = QColor(30, 27, 25);
    s.bands = {{0.54, 0.8, QColor(204, 164, 84)}};
    s.wales = {0.3, 0.47};
    s.guns = {{0.67, -37, 35, 14, 1.7}, {1.15, -45, -23, 4, 1.1}};
    s.masts = {
        {-27, 64, Rig::Square, 3, false, true, 25, 2, 14},
        {-2, 84, Rig::Square, 3, true, false, 38, 2, 22},
        {23, 76, Rig::Square, 3, true, false, 34, 2, 16},
    };
    s.bowsprit = 30;
    s.bowspritAngle = 19;
    s.jibs = 3;
    s.seed = 33;
    return s;
}

ShipDesign shipOfTheLine() {
    ShipDesign s;
    s.freeboard = 13.0;
    s.sternSheer = 4.0;
    s.bowSheer = 2.4;
    s.castles = {{-60, -14, 2.2}, {-60, -36, 1.6}, {31, 60, 1.5}};
    s.hull = QColor(28, 25, 23);
    s.bands = {{0.2, 0.36, QColor(206, 166, 86)},
               {0.49, 0.65, QColor(206, 166, 86)},
               {0.76, 0.92, QColor(206, 166, 86)}};
    s.wales = {0.12, 0.42, 0.7};
    s.guns = {{0.28, -37, 37, 15, 1.75},
              {0.57, -39, 38, 15, 1.65},
              {0.84, -41, 39, 15, 1.5},
              {1.09, -46, -16, 6, 1.1}};
    s.masts = {
        {-29, 72, Rig::Square, 3, false, true, 29, 2, 16},
        {-3, 94, Rig::Square, 4, true, false, 44, 2, 26},
        {25, 86, Rig::Square, 4, true, false, 40, 2, 18},
    };
    s.bowsprit = 33;
    s.bowspritAngle = 21;
    s.jibs = 3;
    s.mastWidth = 1.3;
    s.ensignSize = 11;
    s.seed = 44;
    return s;
}

}  // namespace draw
