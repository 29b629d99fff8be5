// The battle screen's design state and the set-up that every showing runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "battle_fixture.h"

namespace {

using battle_test::BattleTest;

int stackIndex(const ui::Form& form, const ui::Control& c) {
    const auto& order = form.controls();
    return static_cast<int>(std::find(order.begin(), order.end(), &c) - order.begin());
}

TEST_F(BattleTest, DesignStateShowsOnlyTheVisibleControlsWithTheirTexts) {
    auto& f = f2();
    EXPECT_FALSE(f.loaded());
    EXPECT_EQ(f.caption(), "Бурунцы: волноборье");
    EXPECT_EQ(f.backColour(), ui::rgb(0, 128, 128));

    const std::set<std::string> shown = {"Frame1",    "Frame2", "ImagePir",    "Image1",
                                         "LabelComp", "LabelL", "CommandExit", "ImagePusto"};
    for (const ui::Control* c : f.controls()) {
        const bool cell = c->kind() == ui::Kind::PictureBox;
        EXPECT_EQ(c->visible(), cell || shown.count(c->name()) == 1) << c->name();
    }
    EXPECT_EQ(f.Frame1.caption(), "Зона игрока");
    EXPECT_EQ(f.Frame2.caption(), "Зона компьютера");
    EXPECT_EQ(f.LabelComp.caption(), "Ваш ход:");
    EXPECT_EQ(f.LabelL.caption(), "");
    EXPECT_EQ(f.CommandExit.caption(), "Покинуть игру");
    EXPECT_EQ(f.txtHodu.text(), "1");
    for (const ui::TextBox* t : {&f.txtJa, &f.txtVr, &f.Text1, &f.Text2, &f.txtPom}) {
        EXPECT_EQ(t->text(), "") << t->name();
    }
    EXPECT_EQ(f.Timer2.interval(), 100);
    EXPECT_EQ(f.Timer1.interval(), 0);

    // Every visible text is bold with Cyrillic letters, 12 or 13.5 points.
    EXPECT_EQ(f.Frame1.font(), ui::boldFont(13.5));
    EXPECT_EQ(f.LabelComp.font(), ui::boldFont(13.5));
    EXPECT_EQ(f.LabelL.font(), ui::boldFont(12));
    EXPECT_EQ(f.CommandExit.font(), ui::boldFont(12));
    EXPECT_EQ(f.Frame2.foreColour(), ui::sys::HighlightText);
    EXPECT_EQ(f.LabelL.foreColour(), ui::rgb(255, 255, 128));
}

TEST_F(BattleTest, CellsLieOnTwoGridsAndOnlyTheComputersTakeClicks) {
    auto& f = f2();
    struct Case {
        int picture;
        ui::Rect rect;
    };
    const Case cases[] = {
        {1, {1200, 1560, 375, 375}},   {10, {4440, 1560, 375, 375}},
        {91, {1200, 4800, 375, 375}},  {100, {4440, 4800, 375, 375}},
        {101, {7080, 1560, 375, 375}}, {200, {10320, 4800, 375, 375}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(f.Picture(c.picture).rect(), c.rect) << c.picture;
    for (int n = 1; n <= 200; ++n) {
        const bool computers = n > 100;
        const ui::PictureBox& cell = f.Picture(n);
        EXPECT_EQ(cell.hasClickHandler(), computers) << n;
        EXPECT_EQ(cell.pointer(), computers ? ui::Pointer::Cross : ui::Pointer::UpArrow) << n;
        EXPECT_EQ(cell.backColour(), ui::sys::CaptionText) << n;
        EXPECT_TRUE(cell.picture().isNull()) << n;
    }
    EXPECT_TRUE(f.ImagePusto.picture().isNull());
    EXPECT_FALSE(f.ImagePusto.hasClickHandler());
    EXPECT_FALSE(f.ImageDola.picture().isNull());
}

TEST_F(BattleTest, StackingPutsTheMissPictureAboveTheHitPicturesAndCellsAboveFrames) {
    auto& f = f2();
    const ui::Control* area[] = {&f.ImagePromah, &f.ImageGLin, &f.ImageGFre, &f.ImageGGal,
                                 &f.ImageGLyg};
    for (std::size_t i = 1; i < std::size(area); ++i) {
        EXPECT_LT(stackIndex(f, *area[i - 1]), stackIndex(f, *area[i])) << area[i]->name();
    }
    EXPECT_EQ(stackIndex(f, f.CommandVse), 0);
    EXPECT_LT(stackIndex(f, f.Picture(1)), stackIndex(f, f.Picture(2)));
    EXPECT_LT(stackIndex(f, f.Picture(200)), stackIndex(f, f.Frame1));
    EXPECT_LT(stackIndex(f, f.Frame2), stackIndex(f, f.ImageAng)) << "frames above the flags";
    EXPECT_EQ(stackIndex(f, f.ImagePusto), static_cast<int>(f.controls().size()) - 1);
}

TEST_F(BattleTest, FirstShowingDrawsTheFleetOneFlagAndNothingElse) {
    startBattle(support::kSampleFleet, 2);
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f2()}));
    for (int k = 1; k <= 100; ++k) {
        const bool ship = m().PoleIgroka[k] == k;
        EXPECT_EQ(f2().Picture(k).picture(), ship ? f2().ImageDola.picture() : ui::Picture()) << k;
        EXPECT_TRUE(f2().Picture(100 + k).picture().isNull()) << 100 + k;
    }
    EXPECT_EQ(f2().Picture(1).picture(), f2().ImageDola.picture());
    EXPECT_EQ(f2().Picture(100).picture(), f2().ImageDola.picture());
    EXPECT_TRUE(f2().ImageSpa.visible());
    EXPECT_FALSE(f2().ImageAng.visible() || f2().ImageFra.visible() || f2().ImageGol.visible());
    EXPECT_EQ(f2().LabelComp.caption(), "Ваш ход:");
    EXPECT_EQ(m().HodComp, 0);
    EXPECT_EQ(f2().Timer1.interval(), 0);
    EXPECT_TRUE(f2().ImagePir.visible());
}

TEST_F(BattleTest, EachShowingShowsOnlyTheFlagOfItsNationAndEmptiesTheMessageLine) {
    startBattle(support::kSampleFleet, 2);
    struct Case {
        int nation;
        const ui::Image* flag;  // none for a nation outside 0..3
    };
    const Case cases[] = {{0, &f2().ImageAng}, {3, &f2().ImageGol}, {1, &f2().ImageFra},
                          {7, nullptr},        {-1, nullptr},       {2, &f2().ImageSpa}};
    for (const Case& c : cases) {
        f2().LabelL.setCaption("Задет вражеский ЛЮГЕР");
        f2().hide();
        m().Natsiya = c.nation;
        f2().show();
        for (const ui::Image* flag :
             {&f2().ImageAng, &f2().ImageFra, &f2().ImageSpa, &f2().ImageGol}) {
            EXPECT_EQ(flag->visible(), flag == c.flag) << c.nation << " " << flag->name();
        }
        EXPECT_EQ(f2().LabelL.caption(), "") << c.nation;
        EXPECT_EQ(f2().Picture(1).picture(), f2().ImageDola.picture());
    }
}

}  // namespace
