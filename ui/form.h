// A screen. Forms are created once and never destroyed; they are only shown and hidden.
//  - load() runs the load handler once and starts the form's timers; show() loads the form if
//    it is not loaded yet, makes it visible and then runs the activation handler, every time.
//    Both handlers run inside the call, before it returns.
//  - Nothing else raises activation: a window that merely gets the focus back is no showing.
// controls() lists the controls in stacking order, topmost first.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/colour.h"

namespace ui {

class Application;
class Control;
class Timer;

class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void formChanged() = 0;  // shown, hidden, caption or colour changed
};

class Form {
public:
    Form(Application& app, std::string name);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& app() const { return app_; }
    const std::string& name() const { return name_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    int clientWidth() const { return clientWidth_; }    // twips
    int clientHeight() const { return clientHeight_; }  // twips
    void setClientSize(int widthTwips, int heightTwips);
    std::optional<Colour> backColour() const { return back_; }
    void setBackColour(Colour c);

    void load();
    void show();
    void hide();
    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }

    void setLoadHandler(std::function<void()> h) { onLoad_ = std::move(h); }
    void setActivateHandler(std::function<void()> h) { onActivate_ = std::move(h); }

    const std::vector<Control*>& controls() const { return controls_; }
    // Reorders the stacking: `topFirst` must hold every control of the form exactly once.
    void setStacking(const std::vector<Control*>& topFirst);
    Control* find(const std::string& name) const;

    const std::vector<Timer*>& timers() const { return timers_; }

    void setObserver(FormObserver* o) { observer_ = o; }

private:
    friend class Control;
    friend class Timer;
    void adopt(Control& c) { controls_.push_back(&c); }
    void adopt(Timer& t) { timers_.push_back(&t); }
    void forget(Timer& t);
    void changed();

    Application& app_;
    std::string name_;
    std::string caption_;
    int clientWidth_ = 0;  // until the screen gives its size
    int clientHeight_ = 0;
    std::optional<Colour> back_;
    bool loaded_ = false;
    bool visible_ = false;
    std::function<void()> onLoad_;
    std::function<void()> onActivate_;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    FormObserver* observer_ = nullptr;
};

}  // namespace ui
