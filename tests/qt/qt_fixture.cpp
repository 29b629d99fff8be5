#include "qt_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

namespace qtsupport {

QtGameTest::QtGameTest() {
    view = std::make_unique<uiqt::View>(app, game.forms());
}

QtGameTest::~QtGameTest() {
    view.reset();
}

void QtGameTest::click(const ui::Control& c) {
    QWidget* w = widget(c);
    ASSERT_NE(w, nullptr) << c.name();
    ASSERT_TRUE(w->isVisible()) << c.name();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void QtGameTest::pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool QtGameTest::pumpUntil(int limitMs, const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

QImage QtGameTest::render(const ui::Form& f) const {
    uiqt::FormPage* p = page(f);
    if (p == nullptr) return {};
    return p->grab().toImage();
}

QColor QtGameTest::pixelAtTwips(const QImage& image, int leftTwips, int topTwips) {
    return image.pixelColor(leftTwips / 15, topTwips / 15);
}

}  // namespace qtsupport
