#include "cells.h"

#include <cstdlib>

namespace draw {

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

template <typename Rule>
QImage cell(int w, int h, Rule ink) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w; ++c)
            img.setPixel(c, r, ink(r, c));
    }
    return img;
}

}  // namespace

QImage cellDola(int w, int h) {
    // A frame three pixels wide, its outer edge one pixel in from the picture's edge.
    return cell(w, h, [w, h](int r, int c) {
        const bool outer = r >= 1 && r <= h - 2 && c >= 1 && c <= w - 2;
        const bool inner = r >= 4 && r <= h - 5 && c >= 4 && c <= w - 5;
        return outer && !inner ? kBlack : kWhite;
    });
}

QImage cellMimo(int w, int h) {
    // A disc seven pixels across: rows of 3, 5, 7, 7, 7, 5, 3 around the centre.
    static const int kHalfWidth[7] = {1, 2, 3, 3, 3, 2, 1};
    const int cr = h / 2;
    const int cc = w / 2;
    return cell(w, h, [cr, cc](int r, int c) {
        const int row = r - cr + 3;
        if (row < 0 || row > 6) return kWhite;
        return std::abs(c - cc) <= kHalfWidth[row] ? kBlack : kWhite;
    });
}

QImage cellPopal(int w, int h) {
    // Both diagonals, three pixels wide across each row, inside a one-pixel white margin.
    return cell(w, h, [w, h](int r, int c) {
        if (r < 1 || r > h - 2 || c < 1 || c > w - 2) return kWhite;
        const bool down = std::abs(r - c) <= 1;
        const bool up = std::abs(r + c - (w - 1)) <= 1;
        return down || up ? kRed : kWhite;
    });
}

}  // namespace draw
