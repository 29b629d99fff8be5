// The walks of desktop_walks.h as one suite of tests over a desktop, so that every desktop runs
// every walk. A test program includes this once and instantiates the suite for its own desktop:
//   INSTANTIATE_TEST_SUITE_P(Walks, ScreensOnTheDesktop,
//                            ::testing::Values(DesktopKind{"offscreen", make}),
//                            support::NameFromWhat());
// The screen a run is on is chosen where it is started; BURUNTSY_DESIGN_FITS=1 or 0 says
// whether the first screen's design position fits on it, so that each run proves its case.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "desktop_walks.h"
#include "support/case_name.h"

namespace qtsupport {

struct DesktopKind {
    const char* what;
    std::unique_ptr<Desktop> (*make)();
};

// A failure names the desktop rather than dumping the row's bytes.
inline void PrintTo(const DesktopKind& kind, std::ostream* os) {
    *os << kind.what;
}

class ScreensOnTheDesktop : public ::testing::TestWithParam<DesktopKind> {
protected:
    void SetUp() override { desktop = GetParam().make(); }
    static std::optional<bool> designFits() {
        const char* fits = std::getenv("BURUNTSY_DESIGN_FITS");
        if (fits == nullptr || *fits == '\0') return std::nullopt;
        return std::string(fits) == "1";
    }
    std::unique_ptr<Desktop> desktop;
};

TEST_P(ScreensOnTheDesktop, TheFirstScreenOpensWhollyOnTheScreen) {
    opensWhollyOnTheScreen(*desktop, designFits());
}

TEST_P(ScreensOnTheDesktop, ABattleMinimisedWhenTheComputerWinsComesBackAtTheNextBattle) {
    minimisedBattleComesBack(*desktop);
}

TEST_P(ScreensOnTheDesktop, EveryScreenMinimisedThenShownAgainIsOnScreen) {
    everyScreenComesBackOnScreen(*desktop);
}

TEST_P(ScreensOnTheDesktop, OneWindowCarriesEveryScreenAndStaysWhereThePlayerPutsIt) {
    oneWindowAllTheWay(*desktop);
}

}  // namespace qtsupport
