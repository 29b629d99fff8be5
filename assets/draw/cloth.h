// Turning a flat flag design into cloth flying in the wind: the design is bent by travelling
// folds, lit by their slopes and given the weave of bunting.
#pragma once

#include <QImage>
#include <cstdint>

namespace draw {

// `flat` is the design at any resolution; the result is `width` x `height`. The hoist is at
// the left edge, where the folds are smallest.
QImage flyCloth(const QImage& flat, int width, int height, std::uint32_t seed,
                double strength = 1.0);

}  // namespace draw
