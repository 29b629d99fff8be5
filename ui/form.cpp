#include "ui/form.h"

#include <algorithm>
#include <cassert>

#include "ui/control.h"
#include "ui/timer.h"

namespace ui {

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) {}

void Form::setCaption(std::string c) {
    if (caption_ == c) return;
    caption_ = std::move(c);
    changed();
}

void Form::setClientSize(int widthTwips, int heightTwips) {
    if (clientWidth_ == widthTwips && clientHeight_ == heightTwips) return;
    clientWidth_ = widthTwips;
    clientHeight_ = heightTwips;
    changed();
}

void Form::setBackColour(Colour c) {
    if (back_ == c) return;
    back_ = c;
    changed();
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    for (Timer* t : timers_)
        t->start();
    if (onLoad_) onLoad_();
}

void Form::show() {
    load();
    if (!visible_) {
        visible_ = true;
        changed();
    }
    if (onActivate_) onActivate_();
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    changed();
}

void Form::setStacking(const std::vector<Control*>& topFirst) {
    assert(topFirst.size() == controls_.size());
    assert(std::is_permutation(topFirst.begin(), topFirst.end(), controls_.begin()));
    controls_ = topFirst;
}

Control* Form::find(const std::string& name) const {
    for (Control* c : controls_) {
        if (c->name() == name) return c;
    }
    return nullptr;
}

void Form::forget(Timer& t) {
    std::erase(timers_, &t);
}

void Form::changed() {
    if (observer_ != nullptr) observer_->formChanged();
}

}  // namespace ui
