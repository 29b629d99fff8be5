// One painter for every sailing ship of the game, seen broadside. A ShipDesign describes the
// vessel (hull, castles, gun decks, masts and their rig); the same painter serves the placement
// pictures, the result pictures, the burning ships and the little ships on the sea chart.
//
// Ship units: the hull runs from the stern at x = -50 to the stem head at x = +50, the
// waterline is y = 0 and y grows upwards.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <cstdint>
#include <vector>

namespace draw {

enum class Rig { Square, Lug, Lateen };

struct MastDesign {
    double x = 0;        // foot of the mast along the hull
    double height = 80;  // above the deck
    Rig rig = Rig::Square;
    int squareSails = 3;   // course, topsail, topgallant, royal, from the bottom up
    bool course = true;    // false: the lowest yard carries no sail (a mizzen's crossjack)
    bool spanker = false;  // a gaff sail abaft the mast
    double yard = 40;      // length of the lowest yard (or of the lug or lateen yard)
    double rake = 2;       // degrees, the head leaning aft
    double pennant = 18;   // length of the masthead pennant, 0 for none
};

struct DeckStep {  // a raised deck, forecastle or stern castle
    double x0, x1;
    double height;
};

struct HullBand {  // a painted strake, between fractions of the local freeboard
    double from, to;
    QColor colour;
};

struct GunRow {
    double level;   // height of the port centres, as a fraction of the local freeboard
    double x0, x1;  // first and last port
    int ports;
    double size;
};

struct Scorch {  // a place where fire has charred and burnt through the sails
    QPointF centre;
    double radius;
};

struct ShipDesign {
    double freeboard = 8;
    double sternSheer = 4;
    double bowSheer = 3;
    std::vector<DeckStep> castles;
    std::vector<HullBand> bands;
    std::vector<double> wales;  // heavy dark strakes, as fractions of the freeboard
    std::vector<GunRow> guns;
    std::vector<MastDesign> masts;  // from the stern forwards

    double bowsprit = 30;
    double bowspritAngle = 20;
    int jibs = 2;
    bool spritsail = false;
    bool quarterGallery = true;
    bool castlePanels = false;  // carved arcades along the castles' sides
    bool sternLantern = true;
    double mastWidth = 1.1;

    QColor hull = QColor(52, 36, 24);
    QColor trim = QColor(196, 152, 64);
    QColor lid = QColor(150, 40, 30);
    QColor sail = QColor(236, 228, 206);
    QColor rope = QColor(40, 30, 22);
    QColor pennant = QColor(190, 30, 30);
    double pennantWidth = 1.4;
    QColor ensign = QColor(180, 28, 30);
    QColor ensignCanton = QColor(235, 235, 225);
    double ensignSize = 9;

    int sailHoles = 0;             // shot holes in every sail
    std::vector<Scorch> scorches;  // burnt patches
    std::uint32_t seed = 1;
};

struct ShipPose {
    QPointF waterline;  // picture point of the hull's midship waterline
    double scale = 4;   // pixels per ship unit
    bool facingLeft = false;
    double heel = 0;  // degrees
};

// Paints the ship (no sea) and returns the map from ship units to picture pixels.
QTransform paintShip(QPainter& p, const ShipDesign& design, const ShipPose& pose);

// Where the painter draws, in ship units (y up): for fitting a ship into a picture.
QRectF shipExtent(const ShipDesign& design);

// The four types of the game and the extras of the pictures.
ShipDesign lugger();
ShipDesign galleon();
ShipDesign frigate();
ShipDesign shipOfTheLine();

}  // namespace draw
