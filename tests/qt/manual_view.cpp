#include "manual_view.h"

#include <QCoreApplication>
#include <QTest>
#include <stdexcept>

namespace qtsupport {

ManualView::ManualView(ui::Random& random, ui::Platform& platform)
    : app(clock, random, platform), game(app), view(app, game.forms()) {}

bool ManualView::click(const ui::Control& c) {
    QWidget* w = widget(c);
    if (w == nullptr || !w->isVisible()) return false;
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    return true;
}

bool ManualView::showsAlone(const ui::Form& f) {
    for (const ui::Form* other : game.forms()) {
        if (other->visible() != (other == &f)) return false;
    }
    return view.onScreen(f);
}

void ManualView::runDueTicks() {
    view.rearm();  // its wake-up was armed in real time, for the clock as it stood then
    for (int pass = 0; pass < 100; ++pass) {
        const std::optional<ui::Millis> due = app.nextDue(/*shownFormsOnly=*/true);
        if (!due || *due > clock.now()) return;
        QCoreApplication::processEvents();
    }
    throw std::logic_error("the view does not wake for a due tick");
}

void ManualView::advance(ui::Millis ms) {
    const ui::Millis target = clock.now() + ms;
    for (;;) {
        const std::optional<ui::Millis> due = app.nextDue(/*shownFormsOnly=*/true);
        if (!due || *due > target) break;
        if (*due > clock.now()) clock.set(*due);
        runDueTicks();
    }
    setClock(target);
}

void ManualView::setClock(ui::Millis t) {
    clock.set(t);
    view.rearm();
}

void ManualView::toTheComputersLastShot(support::TestRandom& random) {
    game::Form2& f2 = game.form2();
    f2.txtVr.setText("19");
    click(f2.Picture(100 + 5));               // a miss: the move is the computer's
    random.script({support::pick(43, 101)});  // its next shot: the Люгер on 43
    advance(100);                             // the poll arms the shot clock
    advance(*f2.Timer1.due() - 1 - clock.now());
}

}  // namespace qtsupport
