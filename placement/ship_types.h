// The four ship types as the placement screen offers them: the picture that chooses a type,
// the type's text in txtKorabl, its length and the stock field that counts the ships of that
// type still to choose. Row i belongs to Image(i + 1), from left to right on the screen.
#pragma once

#include <array>

#include "placement/form1.h"

namespace game::placement {

struct ShipType {
    const char* text;
    int length;
    ui::TextBox Form1::*stock;
};

inline constexpr std::array<ShipType, 4> kShipTypes{{
    {"Люгер", 1, &Form1::txtLyger},
    {"Галеон", 2, &Form1::txtGaleon},
    {"Фрегат", 3, &Form1::txtFregat},
    {"Линкор", 4, &Form1::txtLinkor},
}};

// What txtKorabl reads while no type is chosen.
inline constexpr const char* kPrompt = "Выберите тип корабля";

// A cell that touches a laid ship and so takes no segment.
inline constexpr ui::Colour kRed = 255;

}  // namespace game::placement
