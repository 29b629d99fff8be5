// The design state of the battle screen: where every control lies, how it looks, what it shows
// and which lies above which. The first battle of a run starts from exactly this.
#include <vector>

#include "assets/catalogue.h"
#include "battle/form2.h"
#include "shell/screen.h"

namespace game {

namespace {

using screen::kTeal;

struct Place {
    ui::Control& control;
    ui::Rect rect;
    bool shown;
};

struct Art {
    ui::Image& image;
    assets::Id id;
};

void layCell(ui::PictureBox& cell, int gridLeft, int n, ui::Pointer pointer) {
    cell.setRect(screen::cellRect(gridLeft, n));
    cell.setBackColour(screen::kCellColour);
    cell.setPointer(pointer);
}

}  // namespace

void Form2::layOut() {
    screen::setUp(*this);
    setBackColour(kTeal);

    const Place places[] = {
        {Frame1, {480, 960, 5055, 4815}, true},
        {Frame2, {6360, 960, 5055, 4815}, true},
        {ImagePir, {2640, 120, 975, 855}, true},
        {Image1, {5400, 120, 1095, 855}, true},
        {LabelComp, {480, 5880, 3135, 495}, true},
        {LabelL, {240, 6960, 3015, 735}, true},
        {CommandExit, {7920, 6960, 2655, 855}, true},
        {ImagePusto, {9600, 0, 375, 375}, true},
        {ImageAng, {8280, 120, 975, 855}, false},
        {ImageFra, {8280, 120, 975, 855}, false},
        {ImageSpa, {8280, 120, 975, 855}, false},
        {ImageGol, {8280, 120, 975, 855}, false},
        {ImagePromah, {3840, 6240, 3615, 2295}, false},
        {ImageGLin, {3840, 6240, 3615, 2295}, false},
        {ImageGFre, {3840, 6240, 3615, 2295}, false},
        {ImageGGal, {3840, 6240, 3615, 2295}, false},
        {ImageGLyg, {3840, 6240, 3615, 2295}, false},
        {ImageDola, {10320, 120, 135, 375}, false},
        {ImageMimo, {10800, 120, 135, 375}, false},
        {ImagePopal, {11280, 120, 135, 375}, false},
        {Command1, {600, 240, 495, 255}, false},
        {cmdObraz, {600, 720, 495, 255}, false},
        {CommandVse, {11040, 6240, 255, 375}, false},
        {txtHodu, {11640, 1320, 150, 375}, false},
        {txtJa, {11280, 600, 150, 285}, false},
        {txtVr, {11520, 120, 150, 285}, false},
        {Text1, {10440, 480, 255, 285}, false},
        {Text2, {11520, 840, 150, 285}, false},
        {txtPom, {10920, 480, 150, 285}, false},
    };
    // The design leaves the keyboard order open: the buttons take the focus in table order.
    int tabIndex = 0;
    for (const Place& p : places) {
        p.control.setTabIndex(tabIndex++);
        p.control.setRect(p.rect);
        p.control.setVisible(p.shown);
    }

    for (int n = 1; n <= 100; ++n) {
        layCell(Picture(n), screen::kPlayerGridLeft, n, ui::Pointer::UpArrow);
        layCell(Picture(100 + n), screen::kComputerGridLeft, n, ui::Pointer::Cross);
    }

    // Flags, decoration and the picture area stretch their pictures to their own size.
    const Art art[] = {
        {ImagePir, assets::Id::FlagPirate},      {Image1, assets::Id::PistolDagger},
        {ImageAng, assets::Id::FlagEngland},     {ImageFra, assets::Id::FlagFrance},
        {ImageSpa, assets::Id::FlagSpain},       {ImageGol, assets::Id::FlagHolland},
        {ImagePromah, assets::Id::MissSpyglass}, {ImageGLin, assets::Id::BurningLine},
        {ImageGFre, assets::Id::BurningFrigate}, {ImageGGal, assets::Id::BurningGalleon},
        {ImageGLyg, assets::Id::BurningLugger},
    };
    for (const Art& a : art) {
        a.image.setPicture(assets::picture(a.id));
        a.image.setStretch(true);
    }
    // The cell states: a cell takes the very picture object one of these holds. ImagePusto
    // holds none, so giving its picture empties a cell.
    ImageDola.setPicture(assets::picture(assets::Id::CellDola));
    ImageMimo.setPicture(assets::picture(assets::Id::CellMimo));
    ImagePopal.setPicture(assets::picture(assets::Id::CellPopal));

    for (ui::Frame* frame : {&Frame1, &Frame2}) {
        frame->setBackColour(kTeal);
        frame->setForeColour(ui::sys::HighlightText);
        frame->setFont(ui::boldFont(13.5));
    }
    Frame1.setCaption("Зона игрока");
    Frame2.setCaption("Зона компьютера");

    LabelComp.setCaption("Ваш ход:");
    LabelComp.setForeColour(ui::rgb(255, 255, 255));
    LabelComp.setBackColour(kTeal);
    LabelComp.setFont(ui::boldFont(13.5));
    LabelL.setForeColour(ui::rgb(255, 255, 128));
    LabelL.setBackColour(kTeal);
    LabelL.setFont(ui::boldFont(12));

    CommandExit.setCaption("Покинуть игру");
    CommandExit.setFont(ui::boldFont(12));
    // Never seen; kept as the buttons were made.
    Command1.setCaption("Command1");
    cmdObraz.setCaption("Command2");
    CommandVse.setCaption("Command2");

    txtHodu.setText("1");

    stackControls();
}

// Top first. The cells lie above the frames (lower number above where two overlap); in the
// picture area the miss picture lies above the four hit pictures, so a miss right after a hit
// shows the miss even though the hit picture is still visible beneath it.
void Form2::stackControls() {
    std::vector<ui::Control*> order = {&CommandVse, &CommandExit, &txtJa, &txtVr,    &cmdObraz,
                                       &txtPom,     &Text2,       &Text1, &Command1, &txtHodu};
    for (int n = 1; n <= 200; ++n)
        order.push_back(&Picture(n));
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Frame1, &Frame2, &Image1, &ImagePir, &ImageGol, &ImageSpa, &ImageFra, &ImageAng,
             &ImagePromah, &ImageGLin, &ImageGFre, &ImageGGal, &ImageGLyg, &LabelL, &LabelComp,
             &ImageDola, &ImageMimo, &ImagePopal, &ImagePusto}) {
        order.push_back(c);
    }
    setStacking(order);
}

}  // namespace game
