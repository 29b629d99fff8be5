// The pictures of the screen definitions: which file, and its size in pixels. The files are
// compiled into the program as resources under ":/pictures/"; the painting layer decodes each
// file once, however many picture objects are made from it.
#pragma once

#include <string>
#include <vector>

#include "ui/picture.h"

namespace assets {

enum class Id {
    WelcomeChart,    // welcome screen: parchment sea chart
    ResultLoss,      // result screen: shot-through warship under grey sky
    ResultWin,       // result screen: three-master under full sail, two ships behind
    ShipLugger,      // placement: the Люгер
    ShipGalleon,     // placement: the Галеон
    ShipFrigate,     // placement: the Фрегат
    ShipLine,        // placement: the Линкор
    CellDola,        // 21 x 21 ship segment
    CellMimo,        // 21 x 21 miss
    CellPopal,       // 21 x 21 hit
    FlagPirate,      // battle: the player's flag
    PistolDagger,    // battle: decoration
    FlagEngland,     // nation 0
    FlagFrance,      // nation 1
    FlagSpain,       // nation 2
    FlagHolland,     // nation 3
    MissSpyglass,    // battle: the large miss picture
    BurningLine,     // battle: a Линкор hit
    BurningFrigate,  // battle: a Фрегат hit
    BurningGalleon,  // battle: a Галеон hit
    BurningLugger,   // battle: a Люгер hit
};

struct Entry {
    Id id;
    const char* file;  // under assets/pictures/
    int width;
    int height;
};

const std::vector<Entry>& catalogue();
const Entry& entry(Id id);
std::string resourcePath(Id id);  // ":/pictures/<file>"

// A new picture object holding the file.
ui::Picture picture(Id id);

}  // namespace assets
