#include "placement/form1.h"
#include "placement/ship_types.h"
#include "shell/module1.h"

namespace game {

namespace {

int rowOf(long cell) {
    return static_cast<int>((cell - 1) / 10);
}

// Same column and adjacent rows, or same row and adjacent columns: the grid does not wrap
// from the end of one row to the start of the next.
bool sideNeighbours(long a, long b) {
    const long d = a - b;
    if (d == 10 || d == -10) return true;
    return (d == 1 || d == -1) && rowOf(a) == rowOf(b);
}

}  // namespace

// The cell rule of the player's grid, run by PictureN_Click for its own N. The state of the
// ship being laid lives in the hidden work fields; a refused click shows nothing.
void Form1::PictureClick(int n) {
    ui::PictureBox& cell = Picture(n);
    if (txtNatschalo.number() != 1) return;  // placement not started
    if (txtUtschot.number() == 0) return;    // no ship being laid
    if (cell.picture() == ImageDola.picture()) return;
    if (cell.backColour() == placement::kRed) return;
    // A ship has four slots in TekKorabl; never take a segment that has no slot to go in.
    if (m_.SchetDoli >= 4) return;

    const long segment = txtNomerdoli.number();
    if (segment == 1) {
        txtKletka.setNumber(n);
        laySegment(n);
        return;
    }

    // Second and further segments are measured from the segment laid last; a refusal puts
    // that cell back into txtKletka.
    txtMemory.setText(txtKletka.text());
    txtKletka.setNumber(n);
    const long last = txtMemory.number();
    const long step = last - n;
    const bool accepted = segment == 2 ? sideNeighbours(last, n)
                                       : step == txtProverka.number() && sideNeighbours(last, n);
    if (!accepted) {
        txtKletka.setText(txtMemory.text());
        return;
    }
    laySegment(n);
    // The first cell minus the second: the direction every further segment must follow.
    if (segment == 2) txtProverka.setNumber(step);
}

// An accepted segment: the cell shows it, the fleet record and the current ship's slots take
// it, and the counters move on.
void Form1::laySegment(int n) {
    Picture(n).setPicture(ImageDola.picture());
    m_.PoleIgroka[n] = n;
    m_.KorablKletki[n] = m_.RazmerKorablya;
    m_.SchetDoli = m_.SchetDoli + 1;
    m_.TekKorabl[m_.SchetDoli] = n;
    txtNomerdoli.setNumber(txtNomerdoli.number() + 1);
    txtUtschot.setNumber(txtUtschot.number() - 1);
}

}  // namespace game
