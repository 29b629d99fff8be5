#include "pictures.h"

#include "raster.h"
#include "scenes.h"
#include "ship_pictures.h"

namespace draw {

QImage paintPicture(assets::Id id, int width, int height) {
    using assets::Id;
    switch (id) {
        case Id::ShipLugger: return luggerPicture(width, height);
        case Id::ShipGalleon: return galleonPicture(width, height);
        case Id::ShipFrigate: return frigatePicture(width, height);
        case Id::ShipLine: return linePicture(width, height);
        case Id::ResultWin: return winPicture(width, height);
        case Id::ResultLoss: return lossPicture(width, height);
        case Id::BurningLine: return burningLinePicture(width, height);
        case Id::BurningFrigate: return burningFrigatePicture(width, height);
        case Id::BurningGalleon: return burningGalleonPicture(width, height);
        case Id::BurningLugger: return burningLuggerPicture(width, height);
        default: return testSeascape(width, height);
    }
}

}  // namespace draw
