// The pictures whose subject is a ship at sea: the placement screen's four types, the result
// screen's win and loss, and the battle screen's four burning ships.
#pragma once

#include <QImage>

namespace draw {

QImage luggerPicture(int w, int h);
QImage galleonPicture(int w, int h);
QImage frigatePicture(int w, int h);
QImage linePicture(int w, int h);

QImage winPicture(int w, int h);
QImage lossPicture(int w, int h);

QImage burningLinePicture(int w, int h);
QImage burningFrigatePicture(int w, int h);
QImage burningGalleonPicture(int w, int h);
QImage burningLuggerPicture(int w, int h);

}  // namespace draw
