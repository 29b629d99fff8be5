// The screens on Qt's offscreen platform as the player meets them on a desktop: a screen that
// was minimised comes back on screen, and each screen opens where the last one was. The same
// walks run under a real window manager in tests/desktop/.
#include <gtest/gtest.h>

#include "desktop_walks.h"

namespace {

using qtsupport::OffscreenDesktop;

TEST(ScreensOnTheDesktop, ABattleMinimisedWhenTheComputerWinsComesBackAtTheNextBattle) {
    OffscreenDesktop desktop;
    qtsupport::minimisedBattleComesBack(desktop);
}

TEST(ScreensOnTheDesktop, EveryScreenMinimisedThenShownAgainIsOnScreen) {
    OffscreenDesktop desktop;
    qtsupport::everyScreenComesBackOnScreen(desktop);
}

TEST(ScreensOnTheDesktop, EachScreenOpensWhereTheOneItReplacesWas) {
    OffscreenDesktop desktop;
    qtsupport::eachScreenOpensWhereTheLastOneWas(desktop);
}

}  // namespace
