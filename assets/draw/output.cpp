#include "output.h"

#include <QFile>
#include <QImageWriter>
#include <QtEndian>

#include "raster.h"

namespace draw {

bool writeJpeg(const QImage& img, const QString& path, int quality) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    return writer.write(flatten(img));
}

namespace {

void put16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

}  // namespace

bool writeBmp24(const QImage& img, const QString& path) {
    const QImage src = flatten(img);
    const int w = src.width();
    const int h = src.height();
    const int stride = (w * 3 + 3) / 4 * 4;
    const quint32 dataOffset = 14 + 40;
    const quint32 dataSize = static_cast<quint32>(stride * h);

    QByteArray out;
    out.append("BM", 2);
    put32(out, dataOffset + dataSize);
    put32(out, 0);  // reserved
    put32(out, dataOffset);
    put32(out, 40);  // BITMAPINFOHEADER
    put32(out, static_cast<quint32>(w));
    put32(out, static_cast<quint32>(h));  // positive: rows stored bottom-up
    put16(out, 1);                        // planes
    put16(out, 24);                       // bits per pixel
    put32(out, 0);                        // no compression
    put32(out, dataSize);
    put32(out, 3780);  // 96 dots per inch, in dots per metre
    put32(out, 3780);
    put32(out, 0);  // no palette
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        out.append(QByteArray(stride - w * 3, '\0'));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(out) == out.size();
}

}  // namespace draw
