// The screens under a real window manager on an X display: the walks of the offscreen desktop
// test, with windows minimised and moved through the window manager and what is on screen read
// from the X server. Run by with_window_manager.sh under xvfb-run.
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop_walks.h"
#include "x_desktop.h"

namespace {

using desktop::XDesktop;

TEST(ScreensUnderAWindowManager, ABattleMinimisedWhenTheComputerWinsComesBackAtTheNextBattle) {
    XDesktop desktop;
    qtsupport::minimisedBattleComesBack(desktop);
}

TEST(ScreensUnderAWindowManager, EveryScreenMinimisedThenShownAgainIsOnScreen) {
    XDesktop desktop;
    qtsupport::everyScreenComesBackOnScreen(desktop);
}

TEST(ScreensUnderAWindowManager, EachScreenOpensWhereTheOneItReplacesWas) {
    XDesktop desktop;
    qtsupport::eachScreenOpensWhereTheLastOneWas(desktop);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
