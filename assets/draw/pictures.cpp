#include "pictures.h"

#include "cells.h"
#include "chart.h"
#include "flags.h"
#include "raster.h"
#include "ship_pictures.h"
#include "spyglass.h"
#include "weapons.h"

namespace draw {

QImage paintPicture(assets::Id id, int width, int height) {
    using assets::Id;
    switch (id) {
        case Id::ShipLugger:
            return luggerPicture(width, height);
        case Id::ShipGalleon:
            return galleonPicture(width, height);
        case Id::ShipFrigate:
            return frigatePicture(width, height);
        case Id::ShipLine:
            return linePicture(width, height);
        case Id::ResultWin:
            return winPicture(width, height);
        case Id::ResultLoss:
            return lossPicture(width, height);
        case Id::BurningLine:
            return burningLinePicture(width, height);
        case Id::BurningFrigate:
            return burningFrigatePicture(width, height);
        case Id::BurningGalleon:
            return burningGalleonPicture(width, height);
        case Id::BurningLugger:
            return burningLuggerPicture(width, height);
        case Id::CellDola:
            return cellDola(width, height);
        case Id::CellMimo:
            return cellMimo(width, height);
        case Id::CellPopal:
            return cellPopal(width, height);
        case Id::FlagPirate:
            return pirateFlag(width, height);
        case Id::FlagEngland:
            return englandFlag(width, height);
        case Id::FlagFrance:
            return franceFlag(width, height);
        case Id::FlagSpain:
            return spainFlag(width, height);
        case Id::FlagHolland:
            return hollandFlag(width, height);
        case Id::PistolDagger:
            return pistolAndDagger(width, height);
        case Id::MissSpyglass:
            return spyglassView(width, height);
        case Id::WelcomeChart:
            return seaChart(width, height);
    }
    return QImage();
}

}  // namespace draw
