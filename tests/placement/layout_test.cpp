// The placement screen as it is created, and the start of placement.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "placement/placement_fixture.h"

namespace placement_test {
namespace {

std::set<std::string> visibleControls(const ui::Form& form) {
    std::set<std::string> names;
    for (const ui::Control* c : form.controls()) {
        if (c->visible() && c->kind() != ui::Kind::PictureBox) names.insert(c->name());
    }
    return names;
}

int stackIndex(const ui::Form& form, const ui::Control& c) {
    const auto& all = form.controls();
    return static_cast<int>(std::find(all.begin(), all.end(), &c) - all.begin());
}

int right(const ui::Control& c) {
    return c.rect().left + c.rect().width;
}
int bottom(const ui::Control& c) {
    return c.rect().top + c.rect().height;
}

TEST_F(WaitingScreenTest, DesignStateShowsTheZonesAndTheStartButton) {
    EXPECT_EQ(f1().caption(), "Бурунцы: волноборье");
    EXPECT_EQ(f1().backColour(), ui::Colour{0x808000});
    EXPECT_EQ(visibleControls(f1()),
              (std::set<std::string>{"Frame1", "Frame2", "CommandRazm", "ImagePusto"}));
    EXPECT_EQ(f1().Frame1.caption(), "Зона игрока");
    EXPECT_EQ(f1().Frame2.caption(), "Зона компьютера");
    EXPECT_EQ(f1().CommandRazm.caption(), "Начать размещение!");
    EXPECT_TRUE(f1().ImagePusto.picture().isNull());
    EXPECT_FALSE(f1().ImageDola.picture().isNull());
    for (ui::Image* ship : {&f1().Image1, &f1().Image2, &f1().Image3, &f1().Image4}) {
        EXPECT_FALSE(ship->picture().isNull()) << ship->name();
        EXPECT_TRUE(ship->stretch()) << ship->name();
    }
    for (int n = 1; n <= 200; ++n) {
        const ui::PictureBox& cell = f1().Picture(n);
        EXPECT_TRUE(cell.visible()) << n;
        EXPECT_EQ(cell.picture(), f1().ImagePusto.picture()) << n;
        EXPECT_EQ(cell.backColour(), ui::sys::CaptionText) << n;
        // Only the player's grid takes clicks on this screen.
        EXPECT_EQ(cell.hasClickHandler(), n <= 100) << n;
    }
}

// Both grids run ten to a row at a pitch of 360 twips, 720 twips in from their frame's sides
// and 600 from its top and bottom, above the frame.
TEST_F(WaitingScreenTest, EachGridLiesInsideItsFrame) {
    for (int zone : {0, 1}) {
        const ui::Frame& frame = zone == 0 ? f1().Frame1 : f1().Frame2;
        ui::PictureBox& first = f1().Picture(100 * zone + 1);
        EXPECT_EQ(first.rect().left - frame.rect().left, 720);
        EXPECT_EQ(first.rect().top - frame.rect().top, 600);
        EXPECT_EQ(right(frame) - right(f1().Picture(100 * zone + 10)), 720);
        EXPECT_EQ(bottom(frame) - bottom(f1().Picture(100 * zone + 100)), 600);
        for (int n = 1; n <= 100; ++n) {
            const ui::PictureBox& cell = f1().Picture(100 * zone + n);
            EXPECT_EQ(cell.rect(), (ui::Rect{first.rect().left + 360 * ((n - 1) % 10),
                                             1560 + 360 * ((n - 1) / 10), 375, 375}))
                << cell.name();
            EXPECT_LT(stackIndex(f1(), cell), stackIndex(f1(), frame)) << cell.name();
        }
    }
    EXPECT_EQ(f1().Picture(1).rect().left, 1200);
    EXPECT_EQ(f1().Picture(101).rect().left, 7080);
}

TEST_F(WaitingScreenTest, ControlsShareTheirGroupsLook) {
    const ui::Font field = ui::boldFont(12);
    for (ui::TextBox* t : {&f1().txtUtschot, &f1().txtKorabl, &f1().txtLyger, &f1().txtGaleon,
                           &f1().txtFregat, &f1().txtLinkor}) {
        EXPECT_EQ(t->font(), field) << t->name();
        EXPECT_EQ(t->foreColour(), ui::Colour{0xFF}) << t->name();
        EXPECT_EQ(t->backColour(), ui::Colour{0x808000}) << t->name();
    }
    for (ui::Control* c :
         std::vector<ui::Control*>{&f1().Label1, &f1().Label2, &f1().Frame1, &f1().Frame2}) {
        EXPECT_EQ(c->font(), ui::boldFont(c->kind() == ui::Kind::Frame ? 13.5 : 12)) << c->name();
        EXPECT_EQ(c->foreColour(), ui::sys::HighlightText) << c->name();
        EXPECT_EQ(c->backColour(), ui::Colour{0x808000}) << c->name();
    }
    EXPECT_EQ(f1().CommandRazm.font(), ui::boldFont(12));
    EXPECT_EQ(f1().cmdStart.font(), ui::boldFont(12));
    EXPECT_EQ(f1().cmdOtmena.font(), ui::boldFont(8.25));
    EXPECT_EQ(f1().cmdOtmenitvso.font(), ui::boldFont(8.25));
    // The two start buttons take turns in one place; each stock stands under its picture.
    EXPECT_EQ(f1().CommandRazm.rect(), f1().cmdStart.rect());
    const std::vector<std::pair<ui::Image*, ui::TextBox*>> stocks = {
        {&f1().Image1, &f1().txtLyger},
        {&f1().Image2, &f1().txtGaleon},
        {&f1().Image3, &f1().txtFregat},
        {&f1().Image4, &f1().txtLinkor}};
    for (const auto& [picture, stock] : stocks) {
        EXPECT_EQ(stock->rect().left - picture->rect().left, 600) << stock->name();
        EXPECT_EQ(stock->rect().top, 8400) << stock->name();
    }
}

TEST_F(WaitingScreenTest, StartOfPlacementRevealsTheCommands) {
    support::startPlacement(f1());
    EXPECT_EQ(visibleControls(f1()),
              (std::set<std::string>{"Frame1", "Frame2", "ImagePusto", "Label1", "txtUtschot",
                                     "Label2", "cmdOtmenitvso", "txtKorabl", "cmdOtmena", "Image1",
                                     "Image2", "Image3", "Image4", "txtLyger", "txtGaleon",
                                     "txtFregat", "txtLinkor", "cmdStart"}));
    EXPECT_EQ(f1().Label1.caption(), "Осталось");
    EXPECT_EQ(f1().txtUtschot.text(), "0");
    EXPECT_EQ(f1().Label2.caption(), "клеток");
    EXPECT_EQ(f1().txtKorabl.text(), "Выберите тип корабля");
    EXPECT_EQ(f1().cmdOtmenitvso.caption(), "Отменить расстановку");
    EXPECT_EQ(f1().cmdOtmena.caption(), "Отменить корабль");
    EXPECT_EQ(f1().cmdStart.caption(), "Разместить флот врага");
    EXPECT_EQ(f1().txtLyger.text(), "4");
    EXPECT_EQ(f1().txtGaleon.text(), "3");
    EXPECT_EQ(f1().txtFregat.text(), "2");
    EXPECT_EQ(f1().txtLinkor.text(), "1");
    EXPECT_EQ(f1().txtNatschalo.text(), "1");
    EXPECT_EQ(f1().txtNomerdoli.text(), "1");
}

}  // namespace
}  // namespace placement_test
