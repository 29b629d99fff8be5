// A long randomised run over the headless game: clicks on whatever the shown screen offers (the
// rules refuse most of them), purposeful moves that carry games to both results, clock steps of
// any length, Yes and No to the exit question, and now and then the end of the program. After
// every event the invariants of the screens and the record are checked.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <stdexcept>
#include <string>

#include "bounded_random.h"
#include "judge.h"
#include "player.h"
#include "seed_runs.h"
#include "support/game_fixture.h"

namespace {

constexpr long kEventsPerSeed = 12'500;
const std::vector<std::uint32_t> kDefaultSeeds = {11, 2027, 31337, 4242, 90210, 777, 271828, 1618};

// One run of the program.
struct Run {
    explicit Run(std::uint64_t seed) : random(seed) { game.start(); }
    ui::ManualClock clock;
    proof::BoundedRandom random;
    support::ScriptedPlatform platform;
    ui::Application app{clock, random, platform};
    game::Game game{app};
};

class Abuse {
public:
    explicit Abuse(std::uint32_t seed) : rng_(seed) { restart(); }

    void event();
    proof::Judge judge;
    proof::Tally tally;

private:
    void restart() {
        run_ = std::make_unique<Run>(rng_());
        judge.follow(run_->game);
        player_.newRun();
        ++tally.runs;
    }
    Run& r() { return *run_; }
    void advance(ui::Millis ms) { ui::advance(r().app, r().clock, ms); }
    int below(int n) { return player_.below(n); }
    ui::Form* shown() { return proof::shownScreen(r().game); }

    std::mt19937 rng_;
    proof::Player player_{rng_};
    std::unique_ptr<Run> run_;
};

void Abuse::event() {
    ++tally.events;
    r().random.newEvent();
    // Each question box gets a random answer, and time may pass while it is open.
    r().platform.answers = {below(2) == 0 ? ui::Answer::Yes : ui::Answer::No};
    r().platform.whileOpen = [this] {
        judge.questionAsked();
        r().clock.set(r().clock.now() + below(20000));
    };
    ui::Form* form = shown();
    if (form == nullptr) return judge.check();
    const int kind = below(100);
    try {
        if (kind < 30) {
            if (ui::Control* c = player_.anything(r().game, *form)) c->click();
        } else if (kind < 80) {
            if (ui::Control* c = player_.purposeful(r().game, *form)) {
                c->click();
            } else {
                advance(3100);  // the computer's move
            }
        } else {
            const int scale = below(10);
            advance(scale < 6 ? 1 + below(200) : scale < 9 ? below(4000) : below(30000));
        }
    } catch (const std::exception& e) {
        judge.fail(std::string("a handler failed: ") + e.what());
    }
    judge.check();
    if (r().app.ended()) {
        ++tally.exits;
        restart();
    }
}

class ModelAbuse : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(ModelAbuse, RandomEventsKeepEveryInvariant) {
    proof::runSeed<Abuse>("model", GetParam(), kEventsPerSeed);
}

INSTANTIATE_TEST_SUITE_P(Seeds, ModelAbuse, ::testing::ValuesIn(proof::seedsToRun(kDefaultSeeds)),
                         proof::seedName);

TEST(ModelAbuseSet, TheDefaultSeedsCarryGamesToBothResults) {
    proof::expectBothResults("model", kDefaultSeeds);
}

}  // namespace
