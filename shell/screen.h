// What the game's four screens share: every one bears the game's caption on a client area of
// one size; the placement and the battle screens are teal and show the same two grids of
// cells, the player's on the left and the computer's on the right.
#pragma once

#include "ui/colour.h"
#include "ui/form.h"
#include "ui/geometry.h"

namespace game::screen {

inline constexpr const char* kCaption = "Бурунцы: волноборье";
inline constexpr int kClientWidth = 11880;  // twips
inline constexpr int kClientHeight = 8985;

// The background of the two game screens and of the frames and labels on them.
inline constexpr ui::Colour kTeal = ui::rgb(0, 128, 128);

// Grids: ten cells to a row, 375 twips square at a pitch of 360, so neighbours share one
// pixel of border.
inline constexpr int kGridTop = 1560;
inline constexpr int kPlayerGridLeft = 1200;
inline constexpr int kComputerGridLeft = 7080;
inline constexpr int kCellPitch = 360;
inline constexpr int kCellSize = 375;
// Every cell's own background colour.
inline constexpr ui::Colour kCellColour = ui::sys::CaptionText;

// Cell n (1..100) of the grid whose left edge is `gridLeft`.
constexpr ui::Rect cellRect(int gridLeft, int n) {
    const int index = n - 1;
    return {gridLeft + kCellPitch * (index % 10), kGridTop + kCellPitch * (index / 10), kCellSize,
            kCellSize};
}

// The caption and the client size every screen is designed with.
inline void setUp(ui::Form& form) {
    form.setCaption(kCaption);
    form.setClientSize(kClientWidth, kClientHeight);
}

}  // namespace game::screen
