// Fire and smoke, in picture pixels: for the burning ships and the battle smoke.
#pragma once

#include <QImage>
#include <QPointF>
#include <cstdint>

namespace draw {

struct Blaze {
    QPointF base;   // middle of the fire's foot
    double width;   // across the foot
    double height;  // of the tallest flames
    std::uint32_t seed = 1;
};

struct Plume {
    QPointF base;  // where the smoke leaves the fire
    double rise;   // how high the column climbs
    double drift;  // sideways travel at the top, per unit of rise
    double startRadius;
    double endRadius;
    double density = 0.8;  // 0 thin grey, 1 thick black
    QColor dark = QColor(22, 20, 20);
    QColor light = QColor(105, 100, 100);
    QColor fireLight = QColor(200, 100, 40);  // the underside lit by the flames
    std::uint32_t seed = 1;
};

// Darkens the burnt part of a ship layer and lights what is near the flames.
void scorchLayer(QImage& shipLayer, const Blaze& blaze);

// The glow of the fire on everything around it.
void paintGlow(QImage& canvas, const Blaze& blaze, double strength = 1.0);

// Tongues of flame with a hot core.
void paintFlames(QImage& canvas, const Blaze& blaze);

// A billowing column of smoke.
void paintPlume(QImage& canvas, const Plume& plume);

// Broken orange light on the water under a fire.
void paintFireReflection(QImage& canvas, const Blaze& blaze, double waterY);

}  // namespace draw
