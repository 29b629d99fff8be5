// Screen measures in twips (1440 to the inch, 15 to a logical pixel), as the screens are laid
// out: left, top, width and height from the top left corner of the form's client area.
#pragma once

#include <string>

namespace ui {

constexpr int kTwipsPerPixel = 15;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
    std::string family = "MS Sans Serif";
    double points = 8.25;  // fractional sizes such as 13.5 and 48.75 occur
    int weight = 400;      // 700 is bold
    int charset = 204;     // Cyrillic
    friend bool operator==(const Font&, const Font&) = default;
};

inline Font boldFont(double points, std::string family = "MS Sans Serif") {
    return Font{std::move(family), points, 700, 204};
}

enum class Align { Left, Centre, Right };
enum class Pointer { Default, UpArrow, Cross };

}  // namespace ui
