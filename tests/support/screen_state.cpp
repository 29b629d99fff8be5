#include "support/screen_state.h"

#include <cstring>

#include "ui/control.h"
#include "ui/picture.h"

namespace support {

namespace {

const std::string kNone;

const std::string& textOf(const ui::Control& c) {
    switch (c.kind()) {
        case ui::Kind::Label:
            return static_cast<const ui::Label&>(c).caption();
        case ui::Kind::TextBox:
            return static_cast<const ui::TextBox&>(c).text();
        case ui::Kind::CommandButton:
            return static_cast<const ui::CommandButton&>(c).caption();
        case ui::Kind::Frame:
            return static_cast<const ui::Frame&>(c).caption();
        case ui::Kind::Image:
        case ui::Kind::PictureBox:
            break;
    }
    return kNone;
}

const std::string& pictureOf(const ui::Control& c) {
    const ui::Picture* p = nullptr;
    if (c.kind() == ui::Kind::Image) p = &static_cast<const ui::Image&>(c).picture();
    if (c.kind() == ui::Kind::PictureBox) p = &static_cast<const ui::PictureBox&>(c).picture();
    return p != nullptr && !p->isNull() ? p->source()->resource : kNone;
}

}  // namespace

ScreenState::ScreenState(const ui::Form& form) : visible_(form.visible()) {
    for (const ui::Control* c : form.controls()) {
        entries_.push_back(
            {c->name(), c->visible(), c->rect(), textOf(*c), pictureOf(*c), c->backColour()});
    }
}

std::string ScreenState::changeIn(const ui::Form& form) const {
    if (form.visible() != visible_) return form.name();
    const auto& controls = form.controls();
    if (controls.size() != entries_.size()) return form.name();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ui::Control& c = *controls[i];
        const Entry& e = entries_[i];
        if (c.name() != e.name || c.visible() != e.visible || !(c.rect() == e.rect) ||
            textOf(c) != e.text || pictureOf(c) != e.picture || c.backColour() != e.back) {
            return e.name;
        }
    }
    return {};
}

std::string ScreenState::differenceFrom(const ScreenState& other) const {
    if (visible_ != other.visible_ || entries_.size() != other.entries_.size()) return "the form";
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (!(entries_[i] == other.entries_[i])) return entries_[i].name;
    }
    return {};
}

bool sameRecord(const game::Module1& a, const game::Module1& b) {
    return std::memcmp(&a, &b, sizeof(game::Module1)) == 0;
}

}  // namespace support
