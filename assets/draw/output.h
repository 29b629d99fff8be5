// Writing the finished pictures: JPEG through Qt's encoder, the cell bitmaps byte by byte so
// that they are 24 bits per pixel, uncompressed and bottom-up whatever Qt's writer prefers.
#pragma once

#include <QImage>
#include <QString>

namespace draw {

bool writeJpeg(const QImage& img, const QString& path, int quality = 90);
bool writeBmp24(const QImage& img, const QString& path);

}  // namespace draw
