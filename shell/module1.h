// Module1: the one record of game state that the four screens share, alive for the whole run.
// Every value is a whole number; arrays have lower bound 0 and element 0 is never used.
// The program starts with every value 0, which the screens read exactly as they would read an
// empty value. Each variable's meaning belongs to the subsystem that writes it.
#pragma once

#include <array>

namespace game {

struct Module1 {
    std::array<int, 101> PoleIgroka{};       // player's segment cells, self-numbered
    std::array<int, 9> Sosedi{};             // marking scratch: neighbours of one occupied cell
    std::array<int, 5> TekKorabl{};          // cells of the ship being laid, slot by segment
    int SchetDoli = 0;                       // segments of the ship being laid so far
    std::array<int, 21> FlotVraga{};         // computer's twenty ship cells, fixed slots by ship
    std::array<int, 9> SosediVraga{};        // neighbours of a computer ship's end cell
    int SchetTaimera = 0;                    // warm-up counter, 1 .. 30
    std::array<int, 101> SosediPopadaniy{};  // computer's hit ring, self-numbered
    std::array<int, 101> KorablKletki{};     // length of the player's ship on each cell
    int RazmerKorablya = 0;                  // length of the ship type chosen last
    int Napravlenie = 0;                     // computer's hunt direction 0 .. 3
    int StoronaChetv = 0;                    // end of the computer's fourth shot at a ship
    int StoronaTret = 0;                     // side of the computer's third shot at a ship
    int HodComp = 0;                         // 1 while the computer has the move
    std::array<int, 101> ZapretKomp{};       // cells the computer no longer aims at
    std::array<int, 101> VystrelyIgroka{};   // player's shots, self-numbered
    int Popadanie = 0;                       // cell of the player's latest hit
    int Natsiya = 0;                         // opponent's nation 0 .. 3
    int Itog = 0;                            // 0 playing, 1 player won, 2 player lost

    // The new-game reset: every element from 1 up and every scalar to 0, in a fixed order.
    void reset();
};

}  // namespace game
