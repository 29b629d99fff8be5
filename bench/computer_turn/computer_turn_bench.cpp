// One computer shot early and late in a battle and during a hunt, and a whole battle played by
// the computer alone, all on the model with the program's own random source. Each shot's
// iteration also puts back the one cell and the few fields the shot changed, so every
// iteration starts from the same position.
#include <benchmark/benchmark.h>

#include <vector>

#include "battle/form2.h"
#include "placement/form1.h"
#include "shell/form4.h"
#include "shell/game.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/random.h"

namespace {

class NoQuestions final : public ui::Platform {
public:
    ui::Answer ask(const std::string&, const std::string&) override { return ui::Answer::No; }
    void endProgram() override {}
};

// The ships of a legal fleet, as the placement leaves them.
const std::vector<std::vector<int>> kFleet = {
    {1, 2, 3, 4}, {6, 7, 8}, {21, 31, 41}, {10, 20}, {23, 24}, {26, 27}, {43}, {46}, {49}, {100},
};

// The program's own source, counting what it gives.
struct CountingRandom final : ui::Random {
    ui::DefaultRandom engine;
    std::int64_t taken = 0;
    double next() override {
        ++taken;
        return engine.next();
    }
};

struct Battle {
    ui::ManualClock clock;
    CountingRandom random;
    NoQuestions platform;
    ui::Application app{clock, random, platform};
    game::Game game{app};
    game::Form2& f2 = game.form2();
    game::Module1& m = game.module1();

    Battle() {
        game.start();
        game.form4().Label1.click();
        for (const auto& ship : kFleet) {
            for (int k : ship) {
                m.PoleIgroka[k] = k;
                m.KorablKletki[k] = static_cast<int>(ship.size());
            }
        }
        game.form1().hide();
        open();
    }
    // The battle screen shown for a fresh battle of the same fleet, the computer to move.
    void open() {
        m.SosediPopadaniy = {};
        m.ZapretKomp = {};
        m.Itog = 0;
        f2.show();
        for (ui::TextBox* t : {&f2.Text1, &f2.txtPom, &f2.txtVr, &f2.Text2})
            t->setText("0");
        f2.txtHodu.setText("2");
    }
    bool ship(int k) const { return m.PoleIgroka[k] == k; }
    void unshoot(int k) {
        f2.Picture(k).setPicture(ship(k) ? f2.ImageDola.picture() : f2.ImagePusto.picture());
    }
    // A search shot made: its cell unshot again, the search state and the move restored.
    void undoSearchShot() {
        unshoot(static_cast<int>(f2.txtPom.number()));
        f2.Text2.setText("0");
        f2.txtVr.setText("0");
        f2.txtHodu.setText("2");
    }
};

void drawsPerShot(benchmark::State& state, std::int64_t draws) {
    state.counters["draws"] =
        benchmark::Counter(static_cast<double>(draws), benchmark::Counter::kAvgIterations);
}

// Search shots from the position the caller set up, each put back once it is made.
void searchShots(benchmark::State& state, Battle& b) {
    const std::int64_t before = b.random.taken;
    for (auto _ : state) {
        b.f2.Command1.press();
        b.undoSearchShot();
    }
    drawsPerShot(state, b.random.taken - before);
}

void BM_SearchShotEarly(benchmark::State& state) {
    Battle b;
    searchShots(state, b);
}
BENCHMARK(BM_SearchShotEarly);

// Late in a battle: most cells lie in the mask around sunk ships, the rest but one ship cell
// have been missed; the search takes about a hundred draws to find that one cell.
void BM_SearchShotLate(benchmark::State& state) {
    Battle b;
    for (int k = 1; k <= 60; ++k)
        b.m.ZapretKomp[k] = k;
    for (int k = 61; k <= 99; ++k) {
        if (!b.ship(k)) b.f2.Picture(k).setPicture(b.f2.ImageMimo.picture());
    }
    searchShots(state, b);
}
BENCHMARK(BM_SearchShotLate);

// The second shot at the Галеон on 10 and 20, first hit on 10: a direction is drawn until
// one stays on the board and in the row, then the shot is put back.
void BM_HuntShot(benchmark::State& state) {
    Battle b;
    b.f2.Picture(10).setPicture(b.f2.ImagePopal.picture());
    b.f2.txtPom.setText("10");
    b.f2.Text1.setText("2");
    const std::int64_t before = b.random.taken;
    for (auto _ : state) {
        b.f2.Text2.setText("1");
        b.f2.Command1.press();
        for (int k : {9, 20})
            b.unshoot(k);
        b.f2.txtVr.setText("0");
        b.f2.txtHodu.setText("2");
    }
    drawsPerShot(state, b.random.taken - before);
}
BENCHMARK(BM_HuntShot);

// A whole battle: the computer shoots, the player misses back at once, until the twentieth
// hit ends the battle.
void BM_ComputerOnlyBattle(benchmark::State& state) {
    Battle b;
    std::int64_t shots = 0;
    for (auto _ : state) {
        b.open();
        while (b.m.Itog == 0) {
            if (b.f2.txtHodu.text() != "2") b.f2.txtHodu.setText("2");
            b.f2.Command1.press();
            ++shots;
        }
    }
    state.counters["shots"] =
        benchmark::Counter(static_cast<double>(shots), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ComputerOnlyBattle);

}  // namespace
