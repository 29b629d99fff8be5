// Where the window's frame goes on a screen's free area: where it was asked to, or moved the
// least distance onto the area, or to the area's top-left corner when it is the larger.
#include <gtest/gtest.h>

#include "desktop.h"
#include "support/case_name.h"
#include "ui/qt/screen_fit.h"

namespace {

struct Fit {
    const char* what;
    QRect frame;
    QRect area;
    QPoint placed;
};

class FrameFit : public ::testing::TestWithParam<Fit> {};

TEST_P(FrameFit, GoesWhereItFits) {
    const Fit& f = GetParam();
    EXPECT_EQ(uiqt::fitFrameInto(f.frame, f.area), f.placed);
}

// The game's frame, 794 x 620 with a title bar of 20, at the design position.
const QRect kDesign(224, 199, 794, 620);

INSTANTIATE_TEST_SUITE_P(
    Screens, FrameFit,
    ::testing::Values(
        Fit{"a desktop monitor", kDesign, {0, 0, 1280, 1024}, {224, 199}},
        Fit{"exactly as large as its room", kDesign, {224, 199, 794, 620}, {224, 199}},
        Fit{"a laptop", kDesign, {0, 0, 1366, 768}, {224, 148}},
        Fit{"a laptop with a panel below", kDesign, {0, 0, 1366, 728}, {224, 108}},
        Fit{"a panel on the left", kDesign, {300, 0, 1066, 768}, {300, 148}},
        Fit{"a screen narrower than the far edge", kDesign, {0, 0, 853, 683}, {59, 63}},
        Fit{"a panel above, taller than the design place",
            kDesign,
            {0, 250, 1280, 774},
            {224, 250}},
        Fit{"a screen lower than the frame", kDesign, {10, 20, 1024, 600}, {10, 20}},
        Fit{"a screen narrower than the frame", kDesign, {10, 20, 640, 1024}, {10, 20}}),
    support::NameFromWhat());

}  // namespace
