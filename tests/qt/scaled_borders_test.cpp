// The placement and battle screens at the scale factor the run was started with (the program
// runs once per factor, see CMakeLists.txt): every cell of both grids, every shown text field
// and both frames show each line of their borders in its colour, as wide as at scale 1 times
// the factor, and where cells overlap the upper one covers its neighbour as at scale 1.
#include <gtest/gtest.h>

#include <QtGlobal>
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
};

TEST_P(ScaledBorders, EveryBorderShowsEachOfItsLinesAtTheScaledWidth) {
    const ui::Form& form = (this->*GetParam().open)();
    const QImage image = render(form);
    ASSERT_FALSE(image.isNull());
    // Run without the factor, every case would look at scale 1 and pass whatever its name says.
    ASSERT_TRUE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        << "run with QT_SCALE_FACTOR set, as ctest does for each factor";
    const double asked = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    ASSERT_DOUBLE_EQ(image.devicePixelRatio(), asked)
        << "the window is not painted at the scale factor the run asked for";

    const qtsupport::ExpectedBorders borders(form, image.devicePixelRatio());
    const std::vector<std::string> faults = borders.faults(image);
    std::ostringstream shown;
    for (std::size_t i = 0; i < faults.size() && i < 6; ++i)
        shown << faults[i] << "\n";
    EXPECT_TRUE(faults.empty()) << faults.size() << " edges at factor " << asked
                                << " do not show their lines " << borders.lineWidth()
                                << " device px wide; the first:\n"
                                << shown.str();
}

const Screen kScreens[] = {
    {"the placement under way", &ScaledBorders::placementUnderWay},
    {"the battle under way", &ScaledBorders::battleUnderWay},
};

INSTANTIATE_TEST_SUITE_P(Screens, ScaledBorders, ::testing::ValuesIn(kScreens),
                         support::NameFromWhat{});

}  // namespace
