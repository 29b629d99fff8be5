#include <string>
#include <vector>

#include "assets/catalogue.h"
#include "placement/form1.h"
#include "placement/ship_types.h"
#include "shell/screen.h"

namespace game {

namespace {

using screen::kTeal;

// The few looks the screen's controls share.
enum class Look {
    Frame,        // zone caption, 13.5 pt, highlighted text on teal
    Label,        // 12 pt, highlighted text on teal
    Field,        // text field: red text on teal, 12 pt
    Button,       // 12 pt
    SmallButton,  // 8.25 pt
    Picture,      // stretched to the control's rectangle
    Plain,        // nothing of its own (hidden work fields, ImagePusto)
};

struct ControlDesign {
    ui::Control* control;
    ui::Rect rect;
    const char* text;  // caption or text; nullptr for pictures and for the stocks
    bool visible;
    Look look;
};

void applyLook(ui::Control& c, Look look) {
    switch (look) {
        case Look::Frame:
            c.setFont(ui::boldFont(13.5));
            c.setForeColour(ui::sys::HighlightText);
            c.setBackColour(kTeal);
            break;
        case Look::Label:
            c.setFont(ui::boldFont(12));
            c.setForeColour(ui::sys::HighlightText);
            c.setBackColour(kTeal);
            break;
        case Look::Field:
            c.setFont(ui::boldFont(12));
            c.setForeColour(0xFF);
            c.setBackColour(kTeal);
            break;
        case Look::Button:
            c.setFont(ui::boldFont(12));
            break;
        case Look::SmallButton:
            c.setFont(ui::boldFont(8.25));
            break;
        case Look::Picture:
            static_cast<ui::Image&>(c).setStretch(true);
            break;
        case Look::Plain:
            break;
    }
}

void applyText(ui::Control& c, const char* text) {
    if (text == nullptr) return;
    switch (c.kind()) {
        case ui::Kind::Label:
            static_cast<ui::Label&>(c).setCaption(text);
            break;
        case ui::Kind::TextBox:
            static_cast<ui::TextBox&>(c).setText(text);
            break;
        case ui::Kind::CommandButton:
            static_cast<ui::CommandButton&>(c).setCaption(text);
            break;
        case ui::Kind::Frame:
            static_cast<ui::Frame&>(c).setCaption(text);
            break;
        case ui::Kind::Image:
        case ui::Kind::PictureBox:
            break;
    }
}

}  // namespace

// The design state of the placement screen. Runs in the constructor, before any handler is
// bound. The cells come from the grid rule; every other control is one row of the table.
void Form1::layOut() {
    screen::setUp(*this);
    setBackColour(kTeal);

    const std::vector<ControlDesign> design = {
        {&Frame1, {480, 960, 5055, 4815}, "Зона игрока", true, Look::Frame},
        {&Frame2, {6360, 960, 5055, 4815}, "Зона компьютера", true, Look::Frame},
        {&Label1, {1440, 360, 1335, 375}, "Осталось", false, Look::Label},
        {&txtUtschot, {2880, 360, 495, 375}, "0", false, Look::Field},
        {&Label2, {3600, 360, 975, 375}, "клеток", false, Look::Label},
        {&cmdOtmenitvso, {240, 6000, 1335, 615}, "Отменить расстановку", false, Look::SmallButton},
        {&txtKorabl, {2040, 6000, 3015, 495}, placement::kPrompt, false, Look::Field},
        {&cmdOtmena, {5520, 6000, 1335, 615}, "Отменить корабль", false, Look::SmallButton},
        {&Image1, {240, 6840, 1575, 1455}, nullptr, false, Look::Picture},
        {&Image2, {1920, 6840, 1575, 1455}, nullptr, false, Look::Picture},
        {&Image3, {3600, 6840, 1575, 1455}, nullptr, false, Look::Picture},
        {&Image4, {5280, 6840, 1575, 1455}, nullptr, false, Look::Picture},
        {&txtLyger, {840, 8400, 255, 375}, nullptr, false, Look::Field},
        {&txtGaleon, {2520, 8400, 255, 375}, nullptr, false, Look::Field},
        {&txtFregat, {4200, 8400, 255, 375}, nullptr, false, Look::Field},
        {&txtLinkor, {5880, 8400, 255, 375}, nullptr, false, Look::Field},
        {&CommandRazm, {7920, 6960, 2655, 855}, "Начать размещение!", true, Look::Button},
        {&cmdStart, {7920, 6960, 2655, 855}, "Разместить флот врага", false, Look::Button},
        {&ImagePusto, {5160, 240, 375, 375}, nullptr, true, Look::Plain},
        // Never shown: the cell rule's work fields and the helpers pressed or read from code.
        {&txtNatschalo, {}, "", false, Look::Plain},
        {&txtNomerdoli, {}, "1", false, Look::Plain},
        {&txtKletka, {}, "", false, Look::Plain},
        {&txtMemory, {}, "", false, Look::Plain},
        {&txtProverka, {}, "", false, Look::Plain},
        {&ImageDola, {5880, 120, 375, 375}, nullptr, false, Look::Picture},
        {&cmdIskl, {}, "Исключение плохих клеток", false, Look::Plain},
    };
    // The design leaves the keyboard order open: the buttons take the focus in table order.
    int tabIndex = 0;
    for (const ControlDesign& d : design) {
        d.control->setTabIndex(tabIndex++);
        d.control->setRect(d.rect);
        d.control->setVisible(d.visible);
        applyLook(*d.control, d.look);
        applyText(*d.control, d.text);
    }
    fillStocks();

    Image1.setPicture(assets::picture(assets::Id::ShipLugger));
    Image2.setPicture(assets::picture(assets::Id::ShipGalleon));
    Image3.setPicture(assets::picture(assets::Id::ShipFrigate));
    Image4.setPicture(assets::picture(assets::Id::ShipLine));
    ImageDola.setPicture(assets::picture(assets::Id::CellDola));

    // Cell n of the player's grid and cell n of the computer's zone share a row and a column.
    // Only the player's grid takes clicks here, and its pointer says so.
    for (int n = 1; n <= 200; ++n) {
        const int zoneLeft = n <= 100 ? screen::kPlayerGridLeft : screen::kComputerGridLeft;
        ui::PictureBox& box = Picture(n);
        box.setRect(screen::cellRect(zoneLeft, (n - 1) % 100 + 1));
        box.setBackColour(screen::kCellColour);
        box.setPicture(ImagePusto.picture());
        if (n <= 100) box.setPointer(ui::Pointer::UpArrow);
    }

    // Topmost first: the buttons and fields, then the cells over their frames, then the
    // labels and pictures, which overlap nothing.
    std::vector<ui::Control*> stacking = {&CommandRazm,  &cmdStart,   &cmdOtmena, &cmdOtmenitvso,
                                          &cmdIskl,      &txtUtschot, &txtKorabl, &txtLyger,
                                          &txtGaleon,    &txtFregat,  &txtLinkor, &txtNatschalo,
                                          &txtNomerdoli, &txtKletka,  &txtMemory, &txtProverka};
    for (int n = 200; n >= 1; --n)
        stacking.push_back(&Picture(n));
    for (ui::Control* c :
         std::vector<ui::Control*>{&Frame1, &Frame2, &Label1, &Label2, &Image1, &Image2, &Image3,
                                   &Image4, &ImagePusto, &ImageDola}) {
        stacking.push_back(c);
    }
    setStacking(stacking);
}

}  // namespace game
