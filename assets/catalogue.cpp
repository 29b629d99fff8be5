#include "assets/catalogue.h"

#include <stdexcept>

namespace assets {

const std::vector<Entry>& catalogue() {
    static const std::vector<Entry> entries = {
        {Id::WelcomeChart, "welcome_chart.jpg", 668, 678},
        {Id::ResultLoss, "result_loss.jpg", 522, 376},
        {Id::ResultWin, "result_win.jpg", 849, 650},
        {Id::ShipLugger, "ship_lugger.jpg", 537, 369},
        {Id::ShipGalleon, "ship_galleon.jpg", 632, 452},
        {Id::ShipFrigate, "ship_frigate.jpg", 671, 522},
        {Id::ShipLine, "ship_line.jpg", 711, 518},
        {Id::CellDola, "cell_dola.bmp", 21, 21},
        {Id::CellMimo, "cell_mimo.bmp", 21, 21},
        {Id::CellPopal, "cell_popal.bmp", 21, 21},
        {Id::FlagPirate, "flag_pirate.jpg", 95, 95},
        {Id::PistolDagger, "pistol_dagger.jpg", 97, 87},
        {Id::FlagEngland, "flag_england.jpg", 96, 96},
        {Id::FlagFrance, "flag_france.jpg", 95, 96},
        {Id::FlagSpain, "flag_spain.jpg", 91, 93},
        {Id::FlagHolland, "flag_holland.jpg", 96, 95},
        {Id::MissSpyglass, "miss_spyglass.jpg", 1024, 768},
        {Id::BurningLine, "burning_line.jpg", 784, 630},
        {Id::BurningFrigate, "burning_frigate.jpg", 545, 429},
        {Id::BurningGalleon, "burning_galleon.jpg", 491, 365},
        {Id::BurningLugger, "burning_lugger.jpg", 552, 349},
    };
    return entries;
}

const Entry& entry(Id id) {
    for (const Entry& e : catalogue()) {
        if (e.id == id) return e;
    }
    throw std::invalid_argument("unknown picture");
}

std::string resourcePath(Id id) {
    return std::string(":/pictures/") + entry(id).file;
}

ui::Picture picture(Id id) {
    const Entry& e = entry(id);
    return ui::Picture::load(resourcePath(id), e.width, e.height);
}

}  // namespace assets
