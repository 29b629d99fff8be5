// The real program on the offscreen platform: the game, the Qt view, a steady clock
// and the program's own random source; the question box is scripted unless a test wants the
// real one.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "support/game_fixture.h"
#include "ui/qt/form_page.h"
#include "ui/qt/game_window.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/view.h"

namespace qtsupport {

class QtGameTest : public ::testing::Test {
protected:
    QtGameTest();
    ~QtGameTest() override;

    ui::SteadyClock clock;
    ui::DefaultRandom random;
    support::ScriptedPlatform platform;
    ui::Application app{clock, random, platform};
    game::Game game{app};
    std::unique_ptr<uiqt::View> view;

    QWidget* widget(const ui::Control& c) const { return view->widgetFor(c); }
    uiqt::FormPage* page(const ui::Form& f) const { return view->pageFor(f); }
    uiqt::GameWindow& window() const { return view->window(); }
    bool onScreen(const ui::Form& f) const { return view->onScreen(f); }
    // A left click in the middle of the control's widget, through Qt's event system.
    void click(const ui::Control& c);
    // Runs the event loop for `ms` of real time (timers tick).
    static void pump(int ms);
    // Runs the event loop until `done` holds or `limitMs` have passed; tells which.
    static bool pumpUntil(int limitMs, const std::function<bool()>& done);
    // The form's page as rendered now, shown or not; pixel (x, y) is at twips (15x, 15y) of the
    // client area.
    QImage render(const ui::Form& f) const;
    static QColor pixelAtTwips(const QImage& image, int leftTwips, int topTwips);
};

}  // namespace qtsupport
