// Putting ships on the sea: fitting a ship into a picture, painting it on its own layer with
// its reflection, distance haze, the sea closing over its waterline and the bow wave.
#pragma once

#include <QImage>
#include <QRectF>

#include "sea.h"
#include "ship.h"
#include "sky.h"

namespace draw {

// Sky above `horizonY`, sea below.
QImage seascape(int width, int height, int horizonY, const SkyStyle& sky, const SeaStyle& sea);

// The pose that makes the ship, with its masts, bowsprit and colours, fill `area`.
ShipPose fitShip(const ShipDesign& design, const QRectF& area, bool facingLeft, double heel = 0);

struct ShipLayer {
    QImage image;    // the ship alone, on transparency
    QTransform map;  // ship units to picture pixels
};

// Paints the ship on a layer of the canvas's size. Fire can be added to the layer before it
// is put on the sea.
ShipLayer paintShipLayer(const QImage& canvas, const ShipDesign& design, const ShipPose& pose);

// Puts the layer on the canvas: reflection first, then the ship veiled by `haze` of the
// colour `hazeColour`, then the water closing over the hull's foot, the wake and bow wave.
void launch(QImage& canvas, const ShipLayer& layer, const ShipPose& pose, double haze,
            const QColor& hazeColour, double wake = 1.0);

}  // namespace draw
