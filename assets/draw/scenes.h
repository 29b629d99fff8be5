#pragma once
#include <QImage>
namespace draw {
QImage testSeascape(int w, int h);
}
