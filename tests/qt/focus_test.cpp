// The keyboard on the screens: the buttons take the focus in their screen's tab order, the
// first one has it whenever its screen is shown, and Space presses the focused button.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <string>

#include "qt_fixture.h"

namespace {

using qtsupport::QtGameTest;

// The buttons of `first`'s screen that Tab reaches one after the other, all the way round from
// `first` (hidden ones included: Tab passes them by while they are hidden, as it passes by the
// buttons of the screens not shown).
std::string tabCycle(QWidget* first) {
    const QWidget* page = first->parentWidget();
    QStringList names;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && page->isAncestorOf(w))
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != nullptr && w != first);
    return names.join(' ').toStdString();
}

class FocusTest : public QtGameTest {
protected:
    void showResult() {
        game.module1().Itog = 2;
        game.form4().hide();
        game.form3().show();
    }
    // The widget with the keyboard when the window is active, which is in the form's page.
    QWidget* focused(const ui::Form& f) const {
        QWidget* w = window().focusWidget();
        return w != nullptr && page(f)->isAncestorOf(w) ? w : nullptr;
    }
};

TEST_F(FocusTest, TheResultScreenOpensOnPlayAgainAndTabsToExit) {
    game.start();
    showResult();
    game::Form3& f3 = game.form3();
    QWidget* again = widget(f3.Command1);
    QWidget* exit = widget(f3.Command2);
    EXPECT_EQ(focused(f3), again);
    EXPECT_EQ(widget(f3.Label1)->focusPolicy(), Qt::NoFocus);
    for (QWidget* w : {again, exit}) {
        auto* button = qobject_cast<QPushButton*>(w);
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << "no default button";
    }
    QTest::keyClick(again, Qt::Key_Tab);
    EXPECT_EQ(focused(f3), exit);
    QTest::keyClick(exit, Qt::Key_Tab);
    EXPECT_EQ(focused(f3), again);
}

TEST_F(FocusTest, SpacePressesTheFocusedButtonOfTheResultScreen) {
    game.start();
    showResult();
    QWidget* button = focused(game.form3());
    ASSERT_NE(button, nullptr) << "nothing has the focus";
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_FALSE(app.ended()) << "Space must not end the program";
    EXPECT_TRUE(game.form4().visible());
    EXPECT_FALSE(game.form3().visible());
}

TEST_F(FocusTest, EveryShowingGivesTheFocusToTheFirstButtonAgain) {
    game.start();
    showResult();
    QTest::keyClick(widget(game.form3().Command1), Qt::Key_Tab);
    ASSERT_EQ(focused(game.form3()), widget(game.form3().Command2));
    game.form3().Command1.press();  // back to the welcome screen
    showResult();
    EXPECT_EQ(focused(game.form3()), widget(game.form3().Command1));
}

TEST_F(FocusTest, ButtonsTakeTheFocusInTheOrderOfTheirScreensDesign) {
    game.start();
    click(game.form4().Label1);
    game.form1().hide();
    game.form2().show();
    game.form2().hide();
    showResult();
    struct Case {
        const ui::Control& first;
        std::string order;
    };
    const Case cases[] = {
        {game.form1().cmdOtmenitvso, "cmdOtmenitvso cmdOtmena CommandRazm cmdStart cmdIskl"},
        {game.form2().CommandExit, "CommandExit Command1 cmdObraz CommandVse"},
        {game.form3().Command1, "Command1 Command2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tabCycle(widget(c.first)), c.order) << c.first.form().name();
}

}  // namespace
