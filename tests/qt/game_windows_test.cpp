// The placement and battle screens in real windows: real clicks on cells reach the cell rule
// and the player's shot, and the windows show what the model holds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "qt_fixture.h"
#include "support/placement_clicks.h"

namespace {

using qtsupport::QtGameTest;

// Cell n of a grid whose first cell stands at (leftTwips, 1560): the pixel of the cell's inner
// area at (dx, dy) from its top left.
QColor cellPixel(const QImage& image, int leftTwips, int n, int dx, int dy) {
    const int col = (n - 1) % 10, row = (n - 1) / 10;
    const int x = (leftTwips + 360 * col) / 15 + 2 + dx;
    const int y = (1560 + 360 * row) / 15 + 2 + dy;
    return image.pixelColor(x, y);
}

TEST_F(QtGameTest, RealClicksOnCellsLayASegmentThatShowsTheFrame) {
    game.start();
    click(game.form4().Label1);
    click(game.form1().CommandRazm);
    click(game.form1().Image2);  // a Галеон
    click(game.form1().Picture(45));
    EXPECT_EQ(game.module1().PoleIgroka[45], 45);
    EXPECT_EQ(game.form1().txtUtschot.text(), "1");
    click(game.form1().Picture(47));  // not beside 45: refused
    EXPECT_EQ(game.module1().PoleIgroka[47], 0);
    click(game.form1().Picture(46));
    EXPECT_EQ(game.form1().txtUtschot.text(), "0");

    const QImage image = render(game.form1());
    // The segment picture: white margin, black frame from pixel 1 to 3, white inside.
    EXPECT_EQ(cellPixel(image, 1200, 45, 0, 0), QColor(Qt::white));
    EXPECT_EQ(cellPixel(image, 1200, 45, 1, 1), QColor(Qt::black));
    EXPECT_EQ(cellPixel(image, 1200, 45, 3, 10), QColor(Qt::black));
    EXPECT_EQ(cellPixel(image, 1200, 45, 10, 10), QColor(Qt::white));
    EXPECT_EQ(cellPixel(image, 1200, 47, 1, 1), QColor(Qt::white)) << "an empty cell";
}

TEST_F(QtGameTest, ARedCellRendersRed) {
    game.start();
    click(game.form4().Label1);
    click(game.form1().CommandRazm);
    support::layShip(game.form1(), {1});
    click(game.form1().Image1);  // the next choice marks around the Люгер on 1
    EXPECT_EQ(game.form1().Picture(12).backColour(), 255u);
    const QImage image = render(game.form1());
    EXPECT_EQ(cellPixel(image, 1200, 12, 10, 10), QColor(255, 0, 0));
    EXPECT_EQ(cellPixel(image, 1200, 13, 10, 10), QColor(Qt::white));
}

class QtBattleTest : public QtGameTest {
protected:
    void openBattle() {
        game.start();
        click(game.form4().Label1);
        support::openSampleBattle(game);
    }
};

TEST_F(QtBattleTest, ARealClickOnAComputerCellShoots) {
    openBattle();
    click(game.form2().Picture(100 + 1));  // the computer's Линкор on cell 1
    EXPECT_EQ(game.module1().VystrelyIgroka[1], 1);
    EXPECT_EQ(game.form2().LabelL.caption(), "Задет вражеский ЛИНКОР!");
    QImage image = render(game.form2());
    EXPECT_EQ(cellPixel(image, 7080, 1, 10, 10), QColor(255, 0, 0)) << "the hit cross";
    click(game.form2().Picture(100 + 55));  // a miss: the move passes
    EXPECT_EQ(game.form2().txtHodu.text(), "2");
    image = render(game.form2());
    EXPECT_EQ(cellPixel(image, 7080, 55, 10, 10), QColor(Qt::black)) << "the miss dot";
    // The player's own fleet is drawn on the left grid.
    EXPECT_EQ(cellPixel(image, 1200, 21, 1, 1), QColor(Qt::black));
}

// The question box of the real platform, answered by closing it.
class RealQuestionTest : public ::testing::Test {
protected:
    ui::SteadyClock clock;
    ui::DefaultRandom random;
    uiqt::QtPlatform platform;
    ui::Application app{clock, random, platform};
};

TEST_F(RealQuestionTest, IsAQuestionBoxWithYesDefaultAndClosingMeansNo) {
    QString text, title;
    bool question = false, yesDefault = false;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        question = box->icon() == QMessageBox::Question;
        yesDefault = box->defaultButton() == box->button(QMessageBox::Yes);
        for (QAbstractButton* b : box->buttons())
            buttons << b->text();
        box->close();
    });
    const ui::Answer answer = app.ask("Вы уверены, что хотите выйти?", "Подтверждение выхода");
    EXPECT_EQ(answer, ui::Answer::No);
    EXPECT_EQ(text, QString::fromUtf8("Вы уверены, что хотите выйти?"));
    EXPECT_EQ(title, QString::fromUtf8("Подтверждение выхода"));
    EXPECT_TRUE(question);
    EXPECT_TRUE(yesDefault);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QString::fromUtf8("Да"), QString::fromUtf8("Нет")}));
}

TEST_F(RealQuestionTest, IsModalOverTheGameWindow) {
    QWidget window;
    window.show();
    platform.setOwner(&window);
    QWidget* parent = nullptr;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        parent = box->parentWidget();
        modal = box->isModal();
        box->close();
    });
    app.ask("Вы уверены, что хотите выйти?", "Подтверждение выхода");
    EXPECT_EQ(parent, &window);
    EXPECT_TRUE(modal);
}

TEST_F(RealQuestionTest, EnterAnswersYes) {
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        auto* yes = qobject_cast<QMessageBox*>(box)->defaultButton();
        yes->click();
    });
    EXPECT_EQ(app.ask("?", "t"), ui::Answer::Yes);
}

}  // namespace
