// The screens under a Wayland compositor: the walks of the offscreen desktop test, as far as a
// Wayland client can see them. Run by with_weston.sh, which starts a headless compositor.
#include <QApplication>

#include "desktop_walk_tests.h"
#include "wayland_desktop.h"

namespace qtsupport {

INSTANTIATE_TEST_SUITE_P(Walks, ScreensOnTheDesktop,
                         ::testing::Values(DesktopKind{
                             "under a Wayland compositor",
                             []() -> std::unique_ptr<Desktop> {
                                 return std::make_unique<desktop::WaylandDesktop>();
                             }}),
                         support::NameFromWhat());

}  // namespace qtsupport

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "wayland");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
