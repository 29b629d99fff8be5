// Which painter makes which picture of the catalogue.
#pragma once

#include <QImage>

#include "assets/catalogue.h"

namespace draw {

QImage paintPicture(assets::Id id, int width, int height);

}  // namespace draw
