#include "computer_turn/resolution.h"

#include "battle/form2.h"
#include "computer_turn/hit_ring.h"
#include "shell/module1.h"

namespace game::computer_turn {

bool isShipCell(const Module1& m, int k) {
    return m.PoleIgroka[k] == k;
}

bool alreadyShot(const Form2& f, const Module1& m, int k) {
    const ui::Image& outcome = isShipCell(m, k) ? f.ImagePopal : f.ImageMimo;
    return f.Picture(k).picture() == outcome.picture();
}

Outcome resolveShot(Form2& f, Module1& m, int k) {
    ui::PictureBox& cell = f.Picture(k);
    if (!isShipCell(m, k)) {
        if (cell.picture() == f.ImageMimo.picture()) return Outcome::Refused;
        cell.setPicture(f.ImageMimo.picture());
        f.txtHodu.setText("1");  // the move hand-over runs at once
        return Outcome::Miss;
    }
    // The ring comes before the refusal, so a refused hit marks the same ring once more.
    markRing(m, k);
    if (cell.picture() == f.ImagePopal.picture()) return Outcome::Refused;
    cell.setPicture(f.ImagePopal.picture());
    f.Text2.setNumber(f.Text2.number() + 1);
    return Outcome::Hit;
}

}  // namespace game::computer_turn
