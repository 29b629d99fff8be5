#include "raster.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.h"
#include "rng.h"

namespace draw {

QColor mix(const QColor& a, const QColor& b, double t) {
    t = clamp01(t);
    return QColor::fromRgbF(static_cast<float>(lerp(a.redF(), b.redF(), t)),
                            static_cast<float>(lerp(a.greenF(), b.greenF(), t)),
                            static_cast<float>(lerp(a.blueF(), b.blueF(), t)),
                            static_cast<float>(lerp(a.alphaF(), b.alphaF(), t)));
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(std::clamp(alpha, 0, 255));
    return c;
}

QImage newLayer(int width, int height) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage newLayer(const QImage& like) {
    return newLayer(like.width(), like.height());
}

namespace {

// One box pass along a line of `n` pixels spaced `stride` apart, over the four channels.
void boxLine(QRgb* line, int n, int stride, int radius, std::vector<int>& buf) {
    buf.resize(static_cast<std::size_t>(n) * 4);
    for (int i = 0; i < n; ++i) {
        const QRgb px = line[i * stride];
        buf[i * 4 + 0] = qAlpha(px);
        buf[i * 4 + 1] = qRed(px);
        buf[i * 4 + 2] = qGreen(px);
        buf[i * 4 + 3] = qBlue(px);
    }
    const int window = 2 * radius + 1;
    int sum[4] = {0, 0, 0, 0};
    auto at = [&](int i, int c) { return buf[std::clamp(i, 0, n - 1) * 4 + c]; };
    for (int c = 0; c < 4; ++c) {
        for (int i = -radius; i <= radius; ++i)
            sum[c] += at(i, c);
    }
    for (int i = 0; i < n; ++i) {
        line[i * stride] =
            qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
        for (int c = 0; c < 4; ++c)
            sum[c] += at(i + radius + 1, c) - at(i - radius, c);
    }
}

}  // namespace

void blur(QImage& img, int radius) {
    if (radius < 1) return;
    std::vector<int> buf;
    const int w = img.width();
    const int h = img.height();
    const int stride = static_cast<int>(img.bytesPerLine() / 4);
    auto* bits = reinterpret_cast<QRgb*>(img.bits());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            boxLine(bits + y * stride, w, 1, radius, buf);
        for (int x = 0; x < w; ++x)
            boxLine(bits + x, h, stride, radius, buf);
    }
}

void tint(QImage& layer, const QColor& colour, double amount) {
    if (amount <= 0.0) return;
    const double cr = colour.red();
    const double cg = colour.green();
    const double cb = colour.blue();
    for (int y = 0; y < layer.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a == 0) continue;
            const double k = a / 255.0;  // premultiplied: the haze colour scales with coverage
            line[x] = qRgba(static_cast<int>(lerp(qRed(line[x]), cr * k, amount)),
                            static_cast<int>(lerp(qGreen(line[x]), cg * k, amount)),
                            static_cast<int>(lerp(qBlue(line[x]), cb * k, amount)), a);
        }
    }
}

void addGrain(QImage& img, double amount, std::uint32_t seed) {
    Rng rng(seed);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            // Fine random speckle plus a faint weave of canvas threads.
            const double weave = 0.5 * std::sin(x * 2.1) * std::sin(y * 2.3);
            const double g = amount * ((rng.uniform() - 0.5) * 2.0 + weave * 0.6);
            const QRgb px = line[x];
            auto ch = [&](int v) {
                return std::clamp(static_cast<int>(v + g * 255.0), 0, qAlpha(px));
            };
            line[x] = qRgba(ch(qRed(px)), ch(qGreen(px)), ch(qBlue(px)), qAlpha(px));
        }
    }
}

void vignette(QImage& img, double strength) {
    const double cx = img.width() / 2.0;
    const double cy = img.height() / 2.0;
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double dx = (x - cx) / cx;
            const double dy = (y - cy) / cy;
            const double d = std::sqrt(dx * dx + dy * dy) / std::sqrt(2.0);
            const double k = 1.0 - strength * smoothstep(0.45, 1.0, d);
            const QRgb px = line[x];
            line[x] = qRgba(static_cast<int>(qRed(px) * k), static_cast<int>(qGreen(px) * k),
                            static_cast<int>(qBlue(px) * k), qAlpha(px));
        }
    }
}

QImage flatten(const QImage& img) {
    QImage out(img.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.drawImage(0, 0, img);
    p.end();
    return out;
}

}  // namespace draw
