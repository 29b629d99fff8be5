// The whole click of "Разместить флот врага" at the lowest and the highest warm-up count:
// some three thousand attempts, the nation, the placement screen's reset and the passage.
// The click must stay well under a frame's worth of waiting (10 ms median at count 30).
#include <benchmark/benchmark.h>

#include "battle/form2.h"
#include "computer_fleet/fleet_draw.h"
#include "placement/form1.h"
#include "shell/game.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/random.h"

namespace {

class QuietPlatform final : public ui::Platform {
public:
    ui::Answer ask(const std::string&, const std::string&) override { return ui::Answer::No; }
    void endProgram() override {}
};

// Counts the attempts of the draw alone, on the same source, for the report.
class CountingRandom final : public ui::Random {
public:
    double next() override {
        ++taken;
        return engine.next();
    }
    ui::DefaultRandom engine;
    long long taken = 0;
};

void BM_StartBattleClick(benchmark::State& state) {
    const int warmUps = static_cast<int>(state.range(0));
    ui::ManualClock clock;
    CountingRandom random;
    QuietPlatform platform;
    ui::Application app(clock, random, platform);
    game::Game game(app);
    game.start();
    game::Form1& f1 = game.form1();
    long long clicks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        game.module1().SchetTaimera = warmUps;
        for (ui::TextBox* t : {&f1.txtLyger, &f1.txtGaleon, &f1.txtFregat, &f1.txtLinkor}) {
            t->setText("0");
        }
        f1.show();
        state.ResumeTiming();
        f1.cmdStart.click();
        ++clicks;
    }
    state.counters["numbers/click"] =
        benchmark::Counter(static_cast<double>(random.taken) / static_cast<double>(clicks));
}
BENCHMARK(BM_StartBattleClick)->Arg(1)->Arg(30)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_DrawFleet(benchmark::State& state) {
    const int warmUps = static_cast<int>(state.range(0));
    ui::DefaultRandom random;
    game::Module1 m;
    long long attempts = 0;
    long long draws = 0;
    for (auto _ : state) {
        attempts += game::drawComputerFleet(m, random, warmUps);
        ++draws;
        benchmark::DoNotOptimize(m.FlotVraga);
    }
    state.counters["attempts/fleet"] =
        benchmark::Counter(static_cast<double>(attempts) / static_cast<double>(draws));
}
BENCHMARK(BM_DrawFleet)->Arg(1)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace
