// The game in real Qt windows on the manual clock, for tests that place an input exactly
// against a tick. Time moves only when the test moves it; then the view's own wake-up runs the
// ticks, as it does in the program. Inputs are real Qt events on the widgets.
#pragma once

#include <QWidget>

#include "shell/game.h"
#include "support/game_fixture.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/qt/form_page.h"
#include "ui/qt/game_window.h"
#include "ui/qt/view.h"

namespace qtsupport {

class ManualView {
public:
    ManualView(ui::Random& random, ui::Platform& platform);

    ui::ManualClock clock;
    ui::Application app;
    game::Game game;
    uiqt::View view;

    QWidget* widget(const ui::Control& c) const { return view.widgetFor(c); }
    uiqt::FormPage* page(const ui::Form& f) const { return view.pageFor(f); }
    uiqt::GameWindow& window() const { return view.window(); }
    bool onScreen(const ui::Form& f) const { return view.onScreen(f); }
    // Whether the form is the one shown, and its page the one in the window.
    bool showsAlone(const ui::Form& f);

    // A left press and release in the middle of the control's widget; false when the widget
    // is not on screen, so no click could be made.
    bool click(const ui::Control& c);
    // Lets the view wake for the ticks due at the clock's time and run them.
    void runDueTicks();
    // Moves time forward, stopping at every due tick of a shown screen for the view to run it.
    void advance(ui::Millis ms);
    // Puts the clock at `t`, runs nothing: a tick that falls due stays due.
    void setClock(ui::Millis t);
    // From a battle with the player to move (the sample fleets): a click on water hands the move
    // to the computer, which needs one hit more to win and makes it with its next shot, from
    // `random`; time stops a millisecond before that shot.
    void toTheComputersLastShot(support::TestRandom& random);
};

}  // namespace qtsupport
