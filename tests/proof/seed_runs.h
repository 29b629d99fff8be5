// The seeds of a randomised run and what each made of them. Every seed of the default set is a
// test of its own, so that they run side by side; BURUNTSY_ABUSE_SEED=<n> runs that one seed
// alone, as any printed seed can be rerun. A single seed need not carry a game to a win or a
// loss: that is asked of the whole default set, by one more test that reads the tallies the
// seeds left in the folder named by BURUNTSY_ABUSE_TALLIES (the test setup gives one).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace proof {

struct Tally {
    long events = 0;
    int runs = 0, wins = 0, losses = 0, exits = 0;
};

// The default set, or the one seed that BURUNTSY_ABUSE_SEED names.
std::vector<std::uint32_t> seedsToRun(const std::vector<std::uint32_t>& defaults);
// "seed_<n>", for the test names.
std::string seedName(const ::testing::TestParamInfo<std::uint32_t>& info);
// Prints what the seed made of its run ("N events") and leaves its tally for the set.
void report(const std::string& run, std::uint32_t seed, const Tally& tally);
// Expects games won and games lost over the whole default set, from the seeds' tallies.
void expectBothResults(const std::string& run, const std::vector<std::uint32_t>& defaults);

// One seed of a run: events until there are `events` of them or an invariant fails, then the
// report. An Abuse is made from the seed and has event(), a judge (judge.h) and a tally.
template <class Abuse>
void runSeed(const std::string& run, std::uint32_t seed, long events) {
    SCOPED_TRACE(run + " seed " + std::to_string(seed) + " (BURUNTSY_ABUSE_SEED reruns it)");
    Abuse abuse(seed);
    while (abuse.tally.events < events && abuse.judge.fault().empty())
        abuse.event();
    if (!abuse.judge.fault().empty()) {
        ADD_FAILURE() << "event " << abuse.tally.events << ": " << abuse.judge.fault();
    }
    abuse.tally.wins = abuse.judge.wins;
    abuse.tally.losses = abuse.judge.losses;
    report(run, seed, abuse.tally);
}

}  // namespace proof
