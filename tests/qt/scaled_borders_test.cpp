// The placement and battle screens at the scale factor the run was started with (the program
// runs once per factor, see CMakeLists.txt): every cell of both grids, every shown text field
// and both frames show each line of their borders in its colour, as wide as at scale 1 times
// the factor, and where cells overlap the upper one covers its neighbour as at scale 1; inside
// the border a cell's picture still shows whole.
#include <gtest/gtest.h>

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "expected_borders.h"
#include "qt_fixture.h"
#include "support/case_name.h"
#include "support/placement_clicks.h"

namespace {

using qtsupport::QtGameTest;

class ScaledBorders;

struct Screen {
    const char* what;
    // Brings the screen up in the state to look at and gives its form.
    const ui::Form& (ScaledBorders::*open)();
};

// Failures name the row, not its bytes.
void PrintTo(const Screen& screen, std::ostream* out) {
    *out << screen.what;
}

class ScaledBorders : public QtGameTest, public ::testing::WithParamInterface<Screen> {
public:
    // The placement started, a Люгер on 1 with its neighbours marked red, a Галеон begun on 45:
    // empty, marked and pictured cells, and the text fields the placement shows.
    const ui::Form& placementUnderWay() {
        game.start();
        click(game.form4().Label1);
        click(game.form1().CommandRazm);
        support::layShip(game.form1(), {1});
        click(game.form1().Image2);  // the next choice marks around the Люгер
        click(game.form1().Picture(45));
        return game.form1();
    }

    // The sample fleets, a hit and a miss on the computer's grid: the player's ships drawn on
    // the left grid, a cross and a dot on the right.
    const ui::Form& battleUnderWay() {
        game.start();
        click(game.form4().Label1);
        support::openSampleBattle(game);
        click(game.form2().Picture(100 + 1));
        click(game.form2().Picture(100 + 55));
        return game.form2();
    }

    // The form's window as it is painted now, at the factor the run was started with.
    void renderAtTheRunsFactor(const ui::Form& form, QImage* image) const {
        *image = render(form);
        ASSERT_FALSE(image->isNull());
        // Run without the factor, every case would look at scale 1 and pass whatever its name
        // says.
        ASSERT_TRUE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            << "run with QT_SCALE_FACTOR set, as ctest does for each factor";
        const double asked = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
        ASSERT_DOUBLE_EQ(image->devicePixelRatio(), asked)
            << "the window is not painted at the scale factor the run asked for";
    }
};

// The first few faults, one to a line, after how many there are.
std::string listed(const std::vector<std::string>& faults) {
    std::ostringstream out;
    out << faults.size() << " of them; the first:";
    for (std::size_t i = 0; i < faults.size() && i < 6; ++i)
        out << "\n" << faults[i];
    return out.str();
}

constexpr qtsupport::Side kSides[] = {qtsupport::Side::Left, qtsupport::Side::Right,
                                      qtsupport::Side::Top, qtsupport::Side::Bottom};

// Inside the border of a cell holding a ship's segment, along the middle of one side: the white
// margin, then the black frame.
std::optional<std::string> marginFault(const QImage& image, const ui::Control& cell,
                                       qtsupport::Side side) {
    const double factor = image.devicePixelRatio();
    const int border = 2 * qtsupport::lineWidth(factor);
    const int look = static_cast<int>(std::ceil(4 * factor)) + 1;  // past margin and frame
    const QRect rect = qtsupport::deviceRect(cell, factor);
    const bool across = side == qtsupport::Side::Top || side == qtsupport::Side::Bottom;
    const std::vector<QPoint> path = qtsupport::inward(
        rect, side, across ? rect.center().x() : rect.center().y(), border + look);
    std::vector<QColor> inside;
    for (std::size_t i = border; i < path.size(); ++i)
        inside.push_back(image.pixelColor(path[i]));
    const auto frame = std::find(inside.begin(), inside.end(), QColor(Qt::black));
    const bool white = std::all_of(
        inside.begin(), frame, [](const QColor& colour) { return colour == QColor(Qt::white); });
    if (frame != inside.begin() && frame != inside.end() && white) return std::nullopt;
    std::ostringstream out;
    out << qtsupport::controlName(cell) << ", " << qtsupport::sideName(side)
        << " side, inside the border from device pixel (" << path[border].x() << ", "
        << path[border].y() << "): expected the white margin, then the black frame; found "
        << qtsupport::colourRuns(inside);
    return out.str();
}

TEST_P(ScaledBorders, EveryBorderShowsEachOfItsLinesAtTheScaledWidth) {
    const ui::Form& form = (this->*GetParam().open)();
    QImage image;
    ASSERT_NO_FATAL_FAILURE(renderAtTheRunsFactor(form, &image));

    const qtsupport::ExpectedBorders borders(form, image.devicePixelRatio());
    const std::vector<std::string> faults = borders.faults(image);
    EXPECT_TRUE(faults.empty()) << "edges that do not show their lines " << borders.lineWidth()
                                << " device px wide: " << listed(faults);
}

// A ship's segment is a black frame in a white margin, drawn as at scale 1 and clipped to the
// area the border leaves: the border's wider lines must not hide the margin on any side.
TEST_P(ScaledBorders, AShipSegmentKeepsItsWhiteMarginOnEverySide) {
    const ui::Form& form = (this->*GetParam().open)();
    QImage image;
    ASSERT_NO_FATAL_FAILURE(renderAtTheRunsFactor(form, &image));

    const ui::Picture segment = static_cast<const ui::Image&>(*form.find("ImageDola")).picture();
    std::vector<std::string> faults;
    bool anySegment = false;
    for (const ui::Control* c : form.controls()) {
        if (c->kind() != ui::Kind::PictureBox || !c->visible()) continue;
        if (static_cast<const ui::PictureBox&>(*c).picture() != segment) continue;
        anySegment = true;
        for (qtsupport::Side side : kSides) {
            if (auto fault = marginFault(image, *c, side)) faults.push_back(*fault);
        }
    }
    ASSERT_TRUE(anySegment) << "no ship segment on the screen to look at";
    EXPECT_TRUE(faults.empty()) << "segments whose margin is hidden: " << listed(faults);
}

const Screen kScreens[] = {
    {"the placement under way", &ScaledBorders::placementUnderWay},
    {"the battle under way", &ScaledBorders::battleUnderWay},
};

INSTANTIATE_TEST_SUITE_P(Screens, ScaledBorders, ::testing::ValuesIn(kScreens),
                         support::NameFromWhat{});

}  // namespace
