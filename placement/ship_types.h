// The four ship types, one table for the whole game: the type's text in txtKorabl, its length,
// how many ships of the type a fleet has, and the stock field on the placement screen that
// counts the ships of that type still to choose. Row i belongs to Image(i + 1), from left to
// right on the placement screen. In the shared state a type is carried as its length.
// Beside it, the computer's fleet as FlotVraga holds it, for every reader that knows a ship
// only by its slots.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "placement/form1.h"
#include "shell/module1.h"

namespace game::placement {

struct ShipType {
    const char* text;
    int length;
    int count;  // ships of the type in a fleet: the stock a placement starts from
    ui::TextBox Form1::*stock;
};

inline constexpr std::array<ShipType, 4> kShipTypes{{
    {"Люгер", 1, 4, &Form1::txtLyger},
    {"Галеон", 2, 3, &Form1::txtGaleon},
    {"Фрегат", 3, 2, &Form1::txtFregat},
    {"Линкор", 4, 1, &Form1::txtLinkor},
}};
// The fleet below is laid out from the last row up.
static_assert(
    [] {
        for (std::size_t row = 0; row < kShipTypes.size(); ++row) {
            if (kShipTypes[row].length != static_cast<int>(row) + 1) return false;
        }
        return true;
    }(),
    "the rows run from the shortest type to the longest, one length each");

// What txtKorabl reads while no type is chosen.
inline constexpr const char* kPrompt = "Выберите тип корабля";

// A cell that touches a laid ship and so takes no segment.
inline constexpr ui::Colour kRed = 255;

// One ship of the computer's fleet: its cells are FlotVraga(firstSlot .. lastSlot()), bow
// first.
struct FleetShip {
    int firstSlot;
    int length;
    constexpr int lastSlot() const { return firstSlot + length - 1; }
};

constexpr int shipsInFleet() {
    int ships = 0;
    for (const ShipType& type : kShipTypes)
        ships += type.count;
    return ships;
}

// The computer's fleet in FlotVraga: the types longest first, each ship in consecutive slots.
// So the Линкор holds slots 1-4, the Фрегаты 5-7 and 8-10, the Галеоны 11-12, 13-14 and
// 15-16, and the Люгеры 17, 18, 19 and 20.
constexpr std::array<FleetShip, shipsInFleet()> fleetLayout() {
    std::array<FleetShip, shipsInFleet()> fleet{};
    std::size_t ship = 0;
    int slot = 1;
    for (auto type = kShipTypes.rbegin(); type != kShipTypes.rend(); ++type) {
        for (int i = 0; i < type->count; ++i) {
            fleet[ship++] = {slot, type->length};
            slot += type->length;
        }
    }
    return fleet;
}

inline constexpr std::array<FleetShip, shipsInFleet()> kFleet = fleetLayout();
inline constexpr int kFleetCells = kFleet.back().lastSlot();

// The ships of two or more cells lead the fleet, the Линкор first; the Люгеры close it.
inline constexpr std::size_t kLongShipCount = static_cast<std::size_t>(
    std::ranges::count_if(kFleet, [](const FleetShip& ship) { return ship.length > 1; }));
inline constexpr std::span<const FleetShip> kLongShips = std::span(kFleet).first(kLongShipCount);
inline constexpr std::span<const FleetShip> kLygers = std::span(kFleet).subspan(kLongShipCount);

static_assert(std::tuple_size_v<decltype(Module1::FlotVraga)> == kFleetCells + 1,
              "FlotVraga has a slot for every cell of the fleet");

}  // namespace game::placement
