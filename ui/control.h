// The controls of the retained model. A screen keeps much of its working state in its controls
// (texts, picture identities, background colours), so these classes hold exactly that state
// and run their handlers the way the screens rely on:
//  - a command button's press() runs its click handler at once, nested in the caller, also
//    while the button is hidden;
//  - a text field's setText() runs its change handler at once, also for an unchanged text;
//  - clicks come from the painting layer (or a test) through click().
// Observers (the painting layer) are told after a property really changed.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/colour.h"
#include "ui/geometry.h"
#include "ui/picture.h"

namespace ui {

class Form;

enum class Kind { Label, TextBox, CommandButton, Image, PictureBox, Frame };

class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged() = 0;
};

class Control {
public:
    Control(Form& form, std::string name, Kind kind);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    Form& form() const { return form_; }

    const Rect& rect() const { return rect_; }
    void setRect(const Rect& r);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    const Font& font() const { return font_; }
    void setFont(const Font& f);

    // Colours: std::nullopt is "none of its own" (the painting layer's default).
    std::optional<Colour> foreColour() const { return fore_; }
    void setForeColour(Colour c);
    std::optional<Colour> backColour() const { return back_; }
    void setBackColour(Colour c);

    Pointer pointer() const { return pointer_; }
    void setPointer(Pointer p);

    // The control's place in its form's keyboard order, lowest first; among the controls that
    // take the focus the painting layer follows it. The order of creation until the layout
    // gives one; set with the design, before the form is first shown.
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int i) { tabIndex_ = i; }

    // A click on the control. Runs the click handler if the control has one; otherwise a click
    // does nothing. The painting layer delivers only clicks on visible controls.
    void click();
    void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }
    bool hasClickHandler() const { return static_cast<bool>(onClick_); }

    void setObserver(ControlObserver* o) { observer_ = o; }

protected:
    void changed();
    std::function<void()> onClick_;

private:
    Form& form_;
    std::string name_;
    Kind kind_;
    Rect rect_;
    bool visible_ = true;
    Font font_;
    std::optional<Colour> fore_;
    std::optional<Colour> back_;
    Pointer pointer_ = Pointer::Default;
    int tabIndex_;
    ControlObserver* observer_ = nullptr;
};

class Label final : public Control {
public:
    Label(Form& form, std::string name) : Control(form, std::move(name), Kind::Label) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    Align alignment() const { return align_; }
    void setAlignment(Align a);
    // Opaque labels fill their rectangle with their back colour; transparent ones do not.
    bool opaque() const { return opaque_; }
    void setOpaque(bool o);

private:
    std::string caption_;
    Align align_ = Align::Left;
    bool opaque_ = true;
};

class TextBox final : public Control {
public:
    TextBox(Form& form, std::string name) : Control(form, std::move(name), Kind::TextBox) {}

    const std::string& text() const { return text_; }
    // Assigning runs the change handler at once, whether or not the text differs.
    void setText(std::string t);
    long number() const;         // the numeric reading that never fails (empty reads 0)
    void setNumber(long value);  // decimal text

    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    std::string text_;
    std::function<void()> onChange_;
};

class CommandButton final : public Control {
public:
    CommandButton(Form& form, std::string name)
        : Control(form, std::move(name), Kind::CommandButton) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    // The programmatic press: runs the click handler now, before the caller goes on.
    void press() { click(); }

private:
    std::string caption_;
};

class Image final : public Control {
public:
    Image(Form& form, std::string name) : Control(form, std::move(name), Kind::Image) {}

    const Picture& picture() const { return picture_; }
    void setPicture(Picture p);
    // Stretched images scale their picture to their own rectangle, proportions ignored.
    bool stretch() const { return stretch_; }
    void setStretch(bool s);

private:
    Picture picture_;
    bool stretch_ = false;
};

class PictureBox final : public Control {
public:
    PictureBox(Form& form, std::string name) : Control(form, std::move(name), Kind::PictureBox) {}

    // Drawn unscaled at the top left of the inner area, inside a sunken border.
    const Picture& picture() const { return picture_; }
    void setPicture(Picture p);

private:
    Picture picture_;
};

class Frame final : public Control {
public:
    Frame(Form& form, std::string name) : Control(form, std::move(name), Kind::Frame) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);

private:
    std::string caption_;
};

}  // namespace ui
