// Colours as the screens store them: raw &HBBGGRR& values, or a system colour &H800000nn&.
// The model never resolves a system colour; only the painting layer does, so a cell whose
// background is the system colour 9 never reads back as pure red (255).
#pragma once

#include <cstdint>

namespace ui {

using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
           (static_cast<Colour>(blue & 0xFF) << 16);
}

constexpr bool isSystemColour(Colour c) {
    return (c & 0x80000000u) != 0;
}
constexpr int systemColourIndex(Colour c) {
    return static_cast<int>(c & 0xFFu);
}

constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFFu);
}

namespace sys {
constexpr Colour WindowBackground = 0x80000005u;
constexpr Colour WindowText = 0x80000008u;
constexpr Colour CaptionText = 0x80000009u;
constexpr Colour HighlightText = 0x8000000Eu;
constexpr Colour ButtonFace = 0x8000000Fu;
constexpr Colour ButtonText = 0x80000012u;
}  // namespace sys

}  // namespace ui
