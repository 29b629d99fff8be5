// Form1, the placement screen, and the program's start-up form. The player lays the fleet on
// the left grid; much of the placement's working state lives in these controls.
// Handlers by owner: Form_Load, CommandRazm_Click, Image1..4_Click, cmdIskl_Click,
// cmdOtmena_Click, cmdOtmenitvso_Click and the cell rule (placement/); cmdStart_Click and
// Timer1_Timer (computer_fleet/).
#pragma once

#include <memory>
#include <vector>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace game {

class Game;
struct Module1;

class Form1 final : public ui::Form {
public:
    explicit Form1(Game& game);

    // Shown controls.
    ui::Frame Frame1;
    ui::Frame Frame2;
    ui::Label Label1;
    ui::TextBox txtUtschot;
    ui::Label Label2;
    ui::CommandButton cmdOtmenitvso;
    ui::TextBox txtKorabl;
    ui::CommandButton cmdOtmena;
    ui::Image Image1;
    ui::Image Image2;
    ui::Image Image3;
    ui::Image Image4;
    ui::TextBox txtLyger;
    ui::TextBox txtGaleon;
    ui::TextBox txtFregat;
    ui::TextBox txtLinkor;
    ui::CommandButton CommandRazm;
    ui::CommandButton cmdStart;
    ui::Image ImagePusto;
    // Hidden work fields and helpers.
    ui::TextBox txtNatschalo;
    ui::TextBox txtNomerdoli;
    ui::TextBox txtKletka;
    ui::TextBox txtMemory;
    ui::TextBox txtProverka;
    ui::Image ImageDola;
    ui::CommandButton cmdIskl;
    ui::Timer Timer1;

    // Cell n of the player's grid is Picture(n), 1..100; cell n of the computer's zone is
    // Picture(100 + n).
    ui::PictureBox& Picture(int n) { return *cells_.at(static_cast<std::size_t>(n)); }
    const ui::PictureBox& Picture(int n) const { return *cells_.at(static_cast<std::size_t>(n)); }

    void Form_Load();
    void CommandRazm_Click();
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void cmdIskl_Click();
    void cmdOtmena_Click();
    void cmdOtmenitvso_Click();
    void cmdStart_Click();
    void Timer1_Timer();
    // The one cell rule that every PictureN_Click of the player's grid runs for its own N.
    void PictureClick(int n);

    // What "Отменить расстановку" and the passage to the battle both put back to its design
    // state: the texts of the counter line, the segment number, the stocks and the type field;
    // and the player's grid, every cell empty and then every cell without its red mark.
    void restoreDesignTexts();
    void emptyPlayerGrid();

    Game& game() const { return game_; }

private:
    void layOut();
    // Image1..4_Click: one choice over the ship-type table, row 0 to 3.
    void chooseShipType(int row);
    // Every stock at the number of ships of its type, as a placement starts.
    void fillStocks();
    // The writes of one accepted segment on cell n, the same for every segment of a ship.
    void laySegment(int n);

    Game& game_;
    Module1& m_;
    std::vector<std::unique_ptr<ui::PictureBox>> cells_;  // index 0 unused
};

}  // namespace game
