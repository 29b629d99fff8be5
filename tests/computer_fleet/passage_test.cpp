// The passage to the battle: the placement screen back in its design state (its hidden work
// fields and the player's fleet kept), hidden, and the battle screen up.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fleet_geometry.h"
#include "support/game_fixture.h"
#include "support/placement_clicks.h"

namespace {

using support::GameTest;

constexpr ui::Colour kRed = 255;

// Notes, the moment the battle screen comes up, whether the placement screen is already gone.
struct PlacementGoneWhenBattleShown final : ui::FormObserver {
    explicit PlacementGoneWhenBattleShown(ui::Form& placement) : placement(placement) {}
    void formChanged() override {
        if (!placementGone) placementGone = !placement.visible();
    }
    ui::Form& placement;
    std::optional<bool> placementGone;
};

class PassageTest : public GameTest {
protected:
    // The whole fleet laid by the player's clicks, twelve ticks into the game: every command
    // shown, segments on the cells, red marks around the ships laid before the last one.
    void placementFinished() {
        startNewGame();
        advance(30 * 12);
        support::startPlacement(f1());
        support::layFleet(f1(), support::kSampleFleet);
        ASSERT_EQ(f1().txtUtschot.text(), "0");
        ASSERT_EQ(f1().Picture(1).picture(), f1().ImageDola.picture());
        ASSERT_EQ(f1().Picture(11).backColour(), kRed);
    }

    std::vector<ui::Control*> shownByStart() {
        game::Form1& f = f1();
        return {&f.Image1,    &f.Image2,   &f.Image3,     &f.Image4,    &f.cmdStart,
                &f.txtKorabl, &f.txtLyger, &f.txtGaleon,  &f.txtFregat, &f.txtLinkor,
                &f.Label1,    &f.Label2,   &f.txtUtschot, &f.cmdOtmena, &f.cmdOtmenitvso};
    }
};

TEST_F(PassageTest, RestoresThePlacementScreenKeepsTheWorkFieldsAndOpensTheBattle) {
    placementFinished();
    game::Form1& f = f1();
    for (ui::Control* c : shownByStart())
        ASSERT_TRUE(c->visible()) << c->name();
    f.Picture(150).setPicture(f.ImageDola.picture());  // the computer's zone is not touched
    f.Picture(150).setBackColour(kRed);
    const game::Module1 before = m();
    std::vector<std::pair<ui::TextBox*, std::string>> texts = {
        {&f.txtUtschot, "0"},
        {&f.txtNomerdoli, "1"},
        {&f.txtLyger, "4"},
        {&f.txtGaleon, "3"},
        {&f.txtFregat, "2"},
        {&f.txtLinkor, "1"},
        {&f.txtKorabl, "Выберите тип корабля"},
    };
    for (ui::TextBox* kept : {&f.txtNatschalo, &f.txtKletka, &f.txtMemory, &f.txtProverka}) {
        texts.emplace_back(kept, kept->text());
    }
    ASSERT_EQ(f.txtNatschalo.text(), "1");
    PlacementGoneWhenBattleShown order(f1());
    f2().setObserver(&order);
    random.freeRun();

    f.cmdStart.click();

    for (ui::Control* c : shownByStart())
        EXPECT_FALSE(c->visible()) << c->name();
    EXPECT_TRUE(f.CommandRazm.visible());
    for (const auto& [box, text] : texts)
        EXPECT_EQ(box->text(), text) << box->name();
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(f.Picture(n).picture(), f.ImagePusto.picture()) << n;
        EXPECT_EQ(f.Picture(n).backColour(), ui::sys::CaptionText) << n;
    }
    EXPECT_EQ(f.Picture(150).picture(), f.ImageDola.picture());
    EXPECT_EQ(f.Picture(150).backColour(), kRed);

    EXPECT_EQ(m().PoleIgroka, before.PoleIgroka);
    EXPECT_EQ(m().KorablKletki, before.KorablKletki);
    EXPECT_EQ(m().TekKorabl, before.TekKorabl);
    EXPECT_EQ(m().SchetDoli, before.SchetDoli);
    EXPECT_EQ(m().RazmerKorablya, before.RazmerKorablya);
    EXPECT_EQ(m().Sosedi, before.Sosedi);
    EXPECT_EQ(m().SchetTaimera, 12);
    EXPECT_TRUE(fleet_test::legalFleet(m().FlotVraga));

    EXPECT_EQ(order.placementGone, std::optional<bool>(true))
        << "the placement screen is hidden before the battle screen is shown";
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f2()}));
    // The battle opens on the player's twenty cells and the drawn nation's flag.
    for (int k = 1; k <= 100; ++k) {
        EXPECT_EQ(f2().Picture(k).picture() == f2().ImageDola.picture(), m().PoleIgroka[k] == k)
            << k;
    }
    const ui::Image* flags[] = {&f2().ImageAng, &f2().ImageFra, &f2().ImageSpa, &f2().ImageGol};
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(flags[n]->visible(), n == m().Natsiya) << n;
    advance(30);
    EXPECT_EQ(m().SchetTaimera, 13) << "the hidden placement form keeps counting";
}

// GCC 12 at -O2 and above warns of overlapping copies in the function below (-Wrestrict), a false
// positive of its inlined std::string code (GCC bugs 105329, 105651); Clang has no such warning.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
// How a placement screen looks, control by control: visibility, text, background colour and
// picture. Pictures are told apart by the image control that holds the same object, or by file.
std::vector<std::string> lookOf(game::Form1& f) {
    const auto pictureOf = [&f](const ui::Picture& p) -> std::string {
        if (p.isNull()) return "none";
        if (p == f.ImageDola.picture()) return "the segment";
        return p.source()->resource;
    };
    // Hidden work fields that keep their values from game to game by design.
    const std::vector<std::string> kept = {"txtNatschalo", "txtKletka", "txtMemory", "txtProverka"};
    std::vector<std::string> looks;
    for (ui::Control* c : f.controls()) {
        std::string look = c->name() + (c->visible() ? " shown" : " hidden");
        if (c->backColour()) look += " back " + std::to_string(*c->backColour());
        if (auto* t = dynamic_cast<ui::TextBox*>(c)) {
            if (std::find(kept.begin(), kept.end(), c->name()) == kept.end()) {
                look += " \"" + t->text() + "\"";
            }
        } else if (auto* l = dynamic_cast<ui::Label*>(c)) {
            look += " \"" + l->caption() + "\"";
        } else if (auto* b = dynamic_cast<ui::CommandButton*>(c)) {
            look += " \"" + b->caption() + "\"";
        } else if (auto* i = dynamic_cast<ui::Image*>(c)) {
            look += " " + pictureOf(i->picture());
        } else if (auto* p = dynamic_cast<ui::PictureBox*>(c)) {
            look += " " + pictureOf(p->picture());
        }
        looks.push_back(look);
    }
    return looks;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

TEST_F(PassageTest, TheNextGamesPlacementScreenShowsNoTraceOfTheLast) {
    ui::ManualClock freshClock;
    support::TestRandom freshRandom;
    support::ScriptedPlatform freshPlatform;
    ui::Application freshApp{freshClock, freshRandom, freshPlatform};
    game::Game fresh{freshApp};
    fresh.start();
    fresh.form4().Label1.click();

    placementFinished();
    random.freeRun();
    f1().cmdStart.click();
    platform.answers.push_back(ui::Answer::Yes);
    f2().CommandExit.click();  // "Покинуть игру", back to the welcome screen
    f4().Label1.click();

    ASSERT_EQ(visibleForms(), (std::vector<ui::Form*>{&f1()}));
    const std::vector<std::string> now = lookOf(f1());
    const std::vector<std::string> design = lookOf(fresh.form1());
    ASSERT_EQ(now.size(), design.size());
    for (std::size_t i = 0; i < now.size(); ++i)
        EXPECT_EQ(now[i], design[i]);

    // And it plays: the same fleet is laid again, cell by cell, and the battle opens again.
    support::startPlacement(f1());
    support::layFleet(f1(), support::kSampleFleet);
    int laid = 0;
    for (int k = 1; k <= 100; ++k)
        laid += m().PoleIgroka[k] == k ? 1 : 0;
    EXPECT_EQ(laid, 20);
    f1().cmdStart.click();
    EXPECT_EQ(visibleForms(), (std::vector<ui::Form*>{&f2()}));
}

}  // namespace
