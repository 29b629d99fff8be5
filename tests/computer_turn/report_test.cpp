// What the computer's shot reports: the struck type with its picture and the count, or the
// empty message line and the miss picture; and the lost battle at the twentieth hit.
#include <gtest/gtest.h>

#include "support/case_name.h"
#include "turn_fixture.h"

namespace {

using namespace turn;

struct ReportCase {
    const char* what;
    int cell;  // of the sample fleet
    const char* message;
    const char* picture;
    const char* count;  // from an empty count
};

class Report : public TurnTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(Report, NamesTheStruckTypeOrShowsTheMissAfterClearingThePictureArea) {
    const ReportCase& c = GetParam();
    battle(support::kSampleFleet);
    f2().LabelL.setCaption("Задет вражеский ФРЕГАТ!");
    for (ui::Image* i :
         {&f2().ImagePromah, &f2().ImageGLin, &f2().ImageGFre, &f2().ImageGGal, &f2().ImageGLyg}) {
        i->show();
    }
    shoot({cellDraw(c.cell)});
    EXPECT_EQ(f2().LabelL.caption(), c.message);
    EXPECT_EQ(pictureArea(), (std::vector<std::string>{c.picture}));
    EXPECT_EQ(f2().txtVr.text(), c.count);
    EXPECT_EQ(m().Itog, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Types, Report,
    ::testing::Values(ReportCase{"Линкор", 1, "Задет ваш ЛИНКОР!", "ImageGLin", "1"},
                      ReportCase{"Фрегат", 21, "Задет ваш ФРЕГАТ!", "ImageGFre", "1"},
                      ReportCase{"Галеон", 24, "Задет ваш ГАЛЕОН!", "ImageGGal", "1"},
                      ReportCase{"Люгер", 100, "Задет ваш ЛЮГЕР", "ImageGLyg", "1"},
                      ReportCase{"a miss", 55, "", "ImagePromah", ""}),
    support::NameFromWhat{});

class Defeat : public TurnTest {
protected:
    // Records what the end of battle finds when the computer presses it, then runs it.
    struct Press {
        int itog;
        std::string count;
        std::string message;
    };
    std::vector<Press> presses;

    void SetUp() override {
        TurnTest::SetUp();
        f2().CommandVse.setClickHandler([this] {
            presses.push_back({m().Itog, f2().txtVr.text(), f2().LabelL.caption()});
            f2().CommandVse_Click();
        });
        battle(support::kSampleFleet);
    }
};

TEST_F(Defeat, OnlyTheTwentiethHitLosesTheBattle) {
    struct Case {
        const char* countBefore;
        int cell;
        const char* countAfter;
        bool lost;
    };
    const Case cases[] = {
        {"18", 43, "19", false},
        {"19", 55, "19", false},
        {"19", 46, "20", true},
    };
    for (const Case& c : cases) {
        presses.clear();
        f2().txtVr.setText(c.countBefore);
        f2().Text1.setText("0");
        f2().Text2.setText("0");
        computerMoves();
        shoot({cellDraw(c.cell)});
        if (!c.lost) {
            EXPECT_TRUE(presses.empty()) << c.countBefore << " then cell " << c.cell;
            EXPECT_EQ(f2().txtVr.text(), c.countAfter);
            EXPECT_EQ(m().Itog, 0);
            continue;
        }
        ASSERT_EQ(presses.size(), 1u);
        EXPECT_EQ(presses[0].itog, 2) << "stored before the press";
        EXPECT_EQ(presses[0].count, c.countAfter);
        EXPECT_EQ(presses[0].message, "Задет ваш ЛЮГЕР");
        EXPECT_EQ(m().Itog, 2);
        EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f3()}));
        EXPECT_EQ(f3().Label1.caption(), "Вы проиграли!");
        EXPECT_EQ(f2().txtVr.text(), "0") << "the battle reset ran inside the shot";
        EXPECT_EQ(f2().txtHodu.text(), "1");
    }
}

}  // namespace
