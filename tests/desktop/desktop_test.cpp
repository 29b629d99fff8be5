// The screens under a real window manager on an X display: the walks of the offscreen desktop
// test, with windows minimised and moved through the window manager and what is on screen read
// from the X server. Run by with_window_manager.sh under xvfb-run.
#include <QApplication>

#include "desktop_walk_tests.h"
#include "x_desktop.h"

namespace qtsupport {

INSTANTIATE_TEST_SUITE_P(Walks, ScreensOnTheDesktop,
                         ::testing::Values(DesktopKind{
                             "under a window manager",
                             []() -> std::unique_ptr<Desktop> {
                                 return std::make_unique<desktop::XDesktop>();
                             }}),
                         support::NameFromWhat());

}  // namespace qtsupport

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
