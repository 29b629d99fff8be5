#include "seed_runs.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace proof {

namespace {

const char* tallyFolder() {
    const char* folder = std::getenv("BURUNTSY_ABUSE_TALLIES");
    return folder != nullptr && *folder != '\0' ? folder : nullptr;
}

std::filesystem::path tallyFile(const char* folder, const std::string& run, std::uint32_t seed) {
    return std::filesystem::path(folder) / (run + "-" + std::to_string(seed) + ".tally");
}

}  // namespace

std::vector<std::uint32_t> seedsToRun(const std::vector<std::uint32_t>& defaults) {
    if (const char* one = std::getenv("BURUNTSY_ABUSE_SEED")) {
        return {static_cast<std::uint32_t>(std::strtoul(one, nullptr, 10))};
    }
    return defaults;
}

std::string seedName(const ::testing::TestParamInfo<std::uint32_t>& info) {
    return "seed_" + std::to_string(info.param);
}

void report(const std::string& run, std::uint32_t seed, const Tally& t) {
    std::cout << run << " seed " << seed << ": " << t.events << " events, " << t.runs << " runs, "
              << t.wins << " won, " << t.losses << " lost, " << t.exits
              << " program ends (BURUNTSY_ABUSE_SEED=" << seed << " reruns it)\n";
    if (const char* folder = tallyFolder()) {
        std::ofstream(tallyFile(folder, run, seed)) << t.wins << ' ' << t.losses << '\n';
    }
}

void expectBothResults(const std::string& run, const std::vector<std::uint32_t>& defaults) {
    if (std::getenv("BURUNTSY_ABUSE_SEED") != nullptr) GTEST_SKIP() << "one seed was chosen";
    const char* folder = tallyFolder();
    if (folder == nullptr) GTEST_SKIP() << "no BURUNTSY_ABUSE_TALLIES folder to read";
    int wins = 0, losses = 0;
    for (std::uint32_t seed : defaults) {
        std::ifstream in(tallyFile(folder, run, seed));
        int w = 0, l = 0;
        if (!(in >> w >> l)) {
            ADD_FAILURE() << "seed " << seed << " left no tally";
            continue;
        }
        wins += w;
        losses += l;
    }
    EXPECT_GT(wins, 0) << "the default seeds should carry some games to a win";
    EXPECT_GT(losses, 0) << "and some to a loss";
}

}  // namespace proof
