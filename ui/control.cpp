#include "ui/control.h"

#include "ui/form.h"
#include "ui/text_number.h"

namespace ui {

Control::Control(Form& form, std::string name, Kind kind)
    : form_(form),
      name_(std::move(name)),
      kind_(kind),
      tabIndex_(static_cast<int>(form.controls().size())) {
    form_.adopt(*this);
}

void Control::changed() {
    if (observer_ != nullptr) observer_->controlChanged();
}

void Control::setRect(const Rect& r) {
    if (rect_ == r) return;
    rect_ = r;
    changed();
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    changed();
}

void Control::setFont(const Font& f) {
    if (font_ == f) return;
    font_ = f;
    changed();
}

void Control::setForeColour(Colour c) {
    if (fore_ == c) return;
    fore_ = c;
    changed();
}

void Control::setBackColour(Colour c) {
    if (back_ == c) return;
    back_ = c;
    changed();
}

void Control::setPointer(Pointer p) {
    if (pointer_ == p) return;
    pointer_ = p;
    changed();
}

void Control::click() {
    if (onClick_) onClick_();
}

void Label::setCaption(std::string c) {
    if (caption_ == c) return;
    caption_ = std::move(c);
    changed();
}

void Label::setAlignment(Align a) {
    if (align_ == a) return;
    align_ = a;
    changed();
}

void Label::setOpaque(bool o) {
    if (opaque_ == o) return;
    opaque_ = o;
    changed();
}

void TextBox::setText(std::string t) {
    if (text_ != t) {
        text_ = std::move(t);
        changed();
    }
    if (onChange_) onChange_();
}

long TextBox::number() const {
    return toNumber(text_);
}

void TextBox::setNumber(long value) {
    setText(toText(value));
}

void CommandButton::setCaption(std::string c) {
    if (caption_ == c) return;
    caption_ = std::move(c);
    changed();
}

void Image::setPicture(Picture p) {
    if (picture_ == p) return;
    picture_ = std::move(p);
    changed();
}

void Image::setStretch(bool s) {
    if (stretch_ == s) return;
    stretch_ = s;
    changed();
}

void PictureBox::setPicture(Picture p) {
    if (picture_ == p) return;
    picture_ = std::move(p);
    changed();
}

void Frame::setCaption(std::string c) {
    if (caption_ == c) return;
    caption_ = std::move(c);
    changed();
}

}  // namespace ui
