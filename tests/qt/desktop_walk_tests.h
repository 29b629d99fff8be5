// The walks of desktop_walks.h as one suite of tests over a desktop, so that every desktop runs
// every walk. A test program includes this once and instantiates the suite for its own desktop:
//   INSTANTIATE_TEST_SUITE_P(Walks, ScreensOnTheDesktop,
//                            ::testing::Values(DesktopKind{"offscreen", make}),
//                            support::NameFromWhat());
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

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
    std::unique_ptr<Desktop> desktop;
};

TEST_P(ScreensOnTheDesktop, ABattleMinimisedWhenTheComputerWinsComesBackAtTheNextBattle) {
    minimisedBattleComesBack(*desktop);
}

TEST_P(ScreensOnTheDesktop, EveryScreenMinimisedThenShownAgainIsOnScreen) {
    everyScreenComesBackOnScreen(*desktop);
}

TEST_P(ScreensOnTheDesktop, EachScreenOpensWhereTheOneItReplacesWas) {
    eachScreenOpensWhereTheLastOneWas(*desktop);
}

}  // namespace qtsupport
