// Forms and controls: load and activation, nested press and change, picture identity, colours
// kept raw, the numeric reading of text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_fixture.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/text_number.h"

namespace {

class ControlsTest : public ::testing::Test {
protected:
    ui::ManualClock clock;
    support::TestRandom random;
    support::ScriptedPlatform platform;
    ui::Application app{clock, random, platform};
    ui::Form form{app, "Form"};
};

TEST_F(ControlsTest, LoadRunsOnceAndActivationAtEveryShow) {
    std::vector<std::string> log;
    form.setLoadHandler([&] { log.push_back(form.visible() ? "load shown" : "load hidden"); });
    form.setActivateHandler([&] { log.push_back(form.visible() ? "activate shown" : "?"); });
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(log, (std::vector<std::string>{"load hidden", "activate shown", "activate shown"}));
    form.load();  // already loaded: nothing
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(ControlsTest, PressAndChangeRunNestedBeforeTheCallerGoesOn) {
    std::vector<std::string> log;
    ui::CommandButton hidden(form, "cmdHidden");
    ui::TextBox field(form, "txtField");
    hidden.hide();
    hidden.setClickHandler([&] {
        log.push_back("click");
        field.setText("2");
        log.push_back("after change");
    });
    field.setChangeHandler([&] { log.push_back("change " + field.text()); });
    hidden.press();
    log.push_back("caller");
    field.setText("2");  // unchanged text still runs the handler
    EXPECT_EQ(
        log, (std::vector<std::string>{"click", "change 2", "after change", "caller", "change 2"}));
}

TEST_F(ControlsTest, PicturesCompareByIdentity) {
    ui::Image dola(form, "ImageDola");
    ui::Image other(form, "ImageOther");
    ui::Image pusto(form, "ImagePusto");
    ui::PictureBox cell(form, "Picture1");
    dola.setPicture(ui::Picture::load(":/pictures/cell_dola.bmp", 21, 21));
    other.setPicture(ui::Picture::load(":/pictures/cell_dola.bmp", 21, 21));
    cell.setPicture(dola.picture());
    EXPECT_TRUE(cell.picture() == dola.picture());
    EXPECT_FALSE(cell.picture() == other.picture()) << "same file, other picture object";
    cell.setPicture(pusto.picture());
    EXPECT_TRUE(cell.picture().isNull());
    EXPECT_TRUE(cell.picture() == ui::Picture());
}

TEST_F(ControlsTest, ColoursReadBackRaw) {
    ui::PictureBox cell(form, "Picture1");
    cell.setBackColour(ui::sys::CaptionText);
    EXPECT_EQ(cell.backColour(), 0x80000009u);
    EXPECT_NE(cell.backColour(), 255u);
    cell.setBackColour(255);
    EXPECT_EQ(cell.backColour(), 255u);
}

TEST_F(ControlsTest, NumbersInTextNeverFailToRead) {
    struct Case {
        const char* text;
        long value;
    };
    const Case cases[] = {
        {"", 0},    {"0", 0},  {"17", 17}, {"-10", -10}, {"  3", 3},
        {"abc", 0}, {"4x", 4}, {"+5", 5},  {"-", 0},     {"99999999999999999999", 2147483647}};
    for (const Case& c : cases)
        EXPECT_EQ(ui::toNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ui::toText(-10), "-10");
    ui::TextBox field(form, "txt");
    field.setNumber(-1);
    EXPECT_EQ(field.text(), "-1");
    EXPECT_EQ(field.number(), -1);
}

TEST_F(ControlsTest, StackingLists) {
    ui::Label top(form, "Top");
    ui::Image bottom(form, "Bottom");
    EXPECT_EQ(form.controls(), (std::vector<ui::Control*>{&top, &bottom}));
    form.setStacking({&bottom, &top});
    EXPECT_EQ(form.controls().front(), &bottom);
    EXPECT_EQ(form.find("Top"), &top);
}

TEST_F(ControlsTest, ClicksWithoutAHandlerDoNothing) {
    ui::Label label(form, "Label");
    label.click();
    int clicks = 0;
    label.setClickHandler([&] { ++clicks; });
    label.click();
    EXPECT_EQ(clicks, 1);
}

}  // namespace
