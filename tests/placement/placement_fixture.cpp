#include "placement/placement_fixture.h"

namespace placement_test {

void expectSame(const Snapshot& before, const Snapshot& after) {
    EXPECT_EQ(before.texts, after.texts);
    EXPECT_EQ(before.cells, after.cells);
    EXPECT_EQ(before.PoleIgroka, after.PoleIgroka);
    EXPECT_EQ(before.KorablKletki, after.KorablKletki);
    EXPECT_EQ(before.TekKorabl, after.TekKorabl);
    EXPECT_EQ(before.Sosedi, after.Sosedi);
    EXPECT_EQ(before.SchetDoli, after.SchetDoli);
    EXPECT_EQ(before.RazmerKorablya, after.RazmerKorablya);
}

std::set<int> WaitingScreenTest::redCells() {
    std::set<int> red;
    for (int n = 1; n <= 100; ++n) {
        if (isRed(n)) red.insert(n);
    }
    return red;
}

std::set<int> WaitingScreenTest::segmentCells() {
    std::set<int> cells;
    for (int n = 1; n <= 100; ++n) {
        if (isSegment(n)) cells.insert(n);
    }
    return cells;
}

std::set<int> WaitingScreenTest::occupiedCells() {
    std::set<int> cells;
    for (int n = 1; n <= 100; ++n) {
        if (m().PoleIgroka[n] == n) cells.insert(n);
    }
    return cells;
}

Snapshot WaitingScreenTest::snapshot() {
    Snapshot s;
    for (ui::Control* c : f1().controls()) {
        if (c->kind() == ui::Kind::TextBox) {
            s.texts[c->name()] = static_cast<ui::TextBox*>(c)->text();
        }
    }
    for (int n = 1; n <= 200; ++n) {
        const ui::PictureBox& cell = f1().Picture(n);
        s.cells += cell.picture() == f1().ImagePusto.picture()  ? '.'
                   : cell.picture() == f1().ImageDola.picture() ? 'D'
                                                                : '?';
        s.cells += cell.backColour() == ui::sys::CaptionText ? ' ' : isRed(n) ? 'r' : '?';
    }
    s.PoleIgroka = m().PoleIgroka;
    s.KorablKletki = m().KorablKletki;
    s.TekKorabl = m().TekKorabl;
    s.Sosedi = m().Sosedi;
    s.SchetDoli = m().SchetDoli;
    s.RazmerKorablya = m().RazmerKorablya;
    return s;
}

void WaitingScreenTest::run(const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        switch (s.op) {
            case Step::Choose:
                choose(s.arg);
                break;
            case Step::Click:
                click(s.arg);
                break;
            case Step::UndoShip:
                f1().cmdOtmena.click();
                break;
            case Step::UndoAll:
                f1().cmdOtmenitvso.click();
                break;
        }
    }
}

void PlacementTest::expectClick(int n, bool accepted, int length, std::vector<int>& laid) {
    SCOPED_TRACE("click on cell " + std::to_string(n));
    const Snapshot before = snapshot();
    click(n);
    if (!accepted) {
        Snapshot after = snapshot();
        const std::string memory = after.texts["txtMemory"];
        const std::string last =
            laid.empty() ? before.texts.at("txtMemory") : std::to_string(laid.back());
        EXPECT_TRUE(memory == before.texts.at("txtMemory") || memory == last) << memory;
        after.texts["txtMemory"] = before.texts.at("txtMemory");
        expectSame(before, after);
        return;
    }
    const int k = static_cast<int>(laid.size());
    EXPECT_TRUE(isSegment(n));
    EXPECT_EQ(m().PoleIgroka[n], n);
    EXPECT_EQ(m().KorablKletki[n], length);
    EXPECT_EQ(m().SchetDoli, k + 1);
    EXPECT_EQ(m().TekKorabl[k + 1], n);
    EXPECT_EQ(f1().txtUtschot.text(), std::to_string(length - k - 1));
    EXPECT_EQ(f1().txtNomerdoli.text(), std::to_string(k + 2));
    EXPECT_EQ(f1().txtKletka.text(), std::to_string(n));
    if (k >= 1) {
        EXPECT_EQ(f1().txtMemory.text(), std::to_string(laid.back()));
    }
    if (k == 1) {
        EXPECT_EQ(f1().txtProverka.text(), std::to_string(laid.front() - n));
    }
    std::size_t segmentsBefore = 0;
    for (int c = 1; c <= 100; ++c)
        segmentsBefore += before.cells[2 * (c - 1)] == 'D' ? 1 : 0;
    EXPECT_EQ(segmentCells().size(), segmentsBefore + 1);
    laid.push_back(n);
}

}  // namespace placement_test
