#include "scenes.h"
#include "seascape.h"
#include "raster.h"
namespace draw {
QImage testSeascape(int w, int h) {
    int hy = h * 62 / 100;
    SkyStyle sky{QColor(70, 115, 170), QColor(215, 222, 225), QColor(255, 252, 245), QColor(150, 160, 175)};
    SeaStyle sea{QColor(20, 55, 80), QColor(170, 190, 200), QColor(60, 100, 140), QColor(190, 200, 205)};
    QImage img = seascape(w, h, hy, sky, sea);
    ShipSpec s = w > 800 ? shipOfTheLine() : (w > 700 ? galleon() : (w > 600 ? frigate() : lugger()));
    ShipPose pose = fitShip(s, QRectF(w * 0.05, h * 0.05, w * 0.9, h * 0.8), false, 1.5);
    ShipLayer layer = paintShipLayer(img, s, pose);
    launch(img, layer, pose, 0.0, sea.haze);
    return img;
}
}
