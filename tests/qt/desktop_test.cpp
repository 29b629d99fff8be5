// The screens on Qt's offscreen platform as the player meets them on a desktop: a screen that
// was minimised comes back on screen, and each screen opens where the last one was. The same
// walks run under a real window manager in tests/desktop/.
#include "desktop_walk_tests.h"

namespace qtsupport {

INSTANTIATE_TEST_SUITE_P(Walks, ScreensOnTheDesktop,
                         ::testing::Values(DesktopKind{
                             "offscreen",
                             []() -> std::unique_ptr<Desktop> {
                                 return std::make_unique<OffscreenDesktop>();
                             }}),
                         support::NameFromWhat());

}  // namespace qtsupport
