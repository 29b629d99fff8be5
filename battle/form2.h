// Form2, the battle screen: the player's grid on the left, the computer's on the right, the
// move caption, the message line, the picture area and "Покинуть игру"; hidden fields and
// buttons carry the battle's state and procedures.
// Handlers by owner: set-up, shots, hit report, hand-over, shot clock, reset and exit
// (battle/); Command1_Click, one computer shot (computer_turn/).
#pragma once

#include <memory>
#include <vector>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace game {

class Game;
struct Module1;

class Form2 final : public ui::Form {
public:
    explicit Form2(Game& game);

    ui::Frame Frame1;
    ui::Frame Frame2;
    ui::Image ImagePir;
    ui::Image Image1;
    ui::Label LabelComp;
    ui::Label LabelL;
    ui::CommandButton CommandExit;
    ui::Image ImagePusto;
    ui::Image ImageAng;
    ui::Image ImageFra;
    ui::Image ImageSpa;
    ui::Image ImageGol;
    ui::Image ImagePromah;
    ui::Image ImageGLin;
    ui::Image ImageGFre;
    ui::Image ImageGGal;
    ui::Image ImageGLyg;
    ui::Image ImageDola;
    ui::Image ImageMimo;
    ui::Image ImagePopal;
    ui::CommandButton Command1;
    ui::CommandButton cmdObraz;
    ui::CommandButton CommandVse;
    ui::TextBox txtHodu;
    ui::TextBox txtJa;
    ui::TextBox txtVr;
    ui::TextBox Text1;
    ui::TextBox Text2;
    ui::TextBox txtPom;
    ui::Timer Timer2;  // the poll timer, 100 ms
    ui::Timer Timer1;  // the shot clock, 0 at design

    // Cell k of the player's grid is Picture(k), 1..100; cell n of the computer's grid is
    // Picture(100 + n).
    ui::PictureBox& Picture(int n) { return *cells_.at(static_cast<std::size_t>(n)); }
    const ui::PictureBox& Picture(int n) const { return *cells_.at(static_cast<std::size_t>(n)); }

    void Form_Load();
    void Form_Activate();
    // The player's shot that every PictureN_Click of the computer's grid runs for its own n.
    void PictureClick(int n);
    void cmdObraz_Click();
    void txtHodu_Change();
    void Timer2_Timer();
    void Timer1_Timer();
    void CommandVse_Click();
    void CommandExit_Click();
    void Command1_Click();

    Game& game() const { return game_; }

private:
    void layOut();
    void stackControls();
    // Draws the player's fleet and shows the opponent's flag; both showing handlers run it.
    void drawFleetAndFlag();
    // Empties the picture area: the four large ship pictures and the miss picture go. The
    // player's hit report and the computer's shot start with it; the battle reset runs it too.
    void hidePictureArea();
    // Puts the screen back to the state a battle starts from, then hides it; both ways out of
    // a battle run it.
    void battleReset();

    Game& game_;
    Module1& m_;
    std::vector<std::unique_ptr<ui::PictureBox>> cells_;  // index 0 unused
};

}  // namespace game
