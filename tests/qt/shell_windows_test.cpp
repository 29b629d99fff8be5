// The welcome and result screens in real windows: clicks, pictures, time and the close box.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "qt_fixture.h"
#include "ui/qt/look.h"

namespace {

using qtsupport::QtGameTest;

TEST_F(QtGameTest, StartUpOpensTheWindowOnTheWelcomeScreenAtTheScreensSize) {
    EXPECT_FALSE(window().isVisible()) << "no window before a screen is shown";
    game.start();
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(onScreen(game.form4()));
    EXPECT_EQ(window().size(), QSize(792, 599));
    EXPECT_EQ(window().windowTitle(), QString::fromUtf8("Бурунцы: волноборье"));
    EXPECT_EQ(page(game.form1()), nullptr) << "the placement page waits for its first showing";
}

TEST_F(QtGameTest, AClickOnTheRealLabelStartsANewGame) {
    game.start();
    click(game.form4().Label1);
    EXPECT_TRUE(game.form1().visible());
    EXPECT_FALSE(game.form4().visible());
    EXPECT_TRUE(onScreen(game.form1()));
    EXPECT_FALSE(onScreen(game.form4()));
}

TEST_F(QtGameTest, RealTimeDrivesTheModelsTimers) {
    game.start();
    const int phase = game.form4().FazaTsveta;
    // Real time under load is uneven: wait for the ticks, with a generous limit.
    const bool ticked = pumpUntil(5000, [&] {
        return game.form4().FazaTsveta - phase >= 2 * 20 && game.module1().SchetTaimera >= 3;
    });
    EXPECT_TRUE(ticked) << "the 50 ms pulse and the hidden placement form's 30 ms counter";
}

TEST_F(QtGameTest, RenderedWindowShowsAPictureWhereTheModelPutIt) {
    QTemporaryDir dir;
    QImage red(21, 21, QImage::Format_RGB888);
    red.fill(QColor(255, 0, 0));
    const QString file = dir.filePath("red.bmp");
    ASSERT_TRUE(red.save(file));
    game.start();
    game.form4().Label1.click();
    ui::PictureBox& cell = game.form1().Picture(1);
    cell.setRect({1200, 1560, 375, 375});
    cell.setPicture(ui::Picture::load(file.toStdString(), 21, 21));
    const QImage image = render(game.form1());
    ASSERT_FALSE(image.isNull());
    // Inside the cell's inner area: the picture's red; on its border: not red.
    EXPECT_EQ(image.pixelColor(80 + 2 + 10, 104 + 2 + 10), QColor(255, 0, 0));
    EXPECT_NE(image.pixelColor(80, 104), QColor(255, 0, 0));
    // The welcome label's back colour &H4080& where the label lies.
    const QImage welcome = render(game.form4());
    EXPECT_EQ(QtGameTest::pixelAtTwips(welcome, 1680 + 150, 3360 + 30), QColor(128, 64, 0));
}

TEST_F(QtGameTest, TheCloseBoxEndsTheProgram) {
    game.start();
    window().close();
    EXPECT_TRUE(app.ended());
    EXPECT_EQ(platform.endCalls, 1);
}

TEST_F(QtGameTest, HiddenControlsHaveHiddenWidgetsAndFieldsTakeNoFocus) {
    game.start();
    game.form4().Label1.click();
    ui::TextBox& field = game.form1().txtNatschalo;
    ASSERT_NE(widget(field), nullptr);
    field.hide();
    EXPECT_FALSE(widget(field)->isVisible());
    field.show();
    EXPECT_TRUE(widget(field)->isVisible());
    EXPECT_EQ(widget(game.form1().txtUtschot)->focusPolicy(), Qt::NoFocus);
}

TEST(LookTest, SystemColoursResolveOnlyWhenPainted) {
    EXPECT_EQ(uiqt::toQColor(ui::sys::CaptionText), QColor(255, 255, 255));
    EXPECT_EQ(uiqt::toQColor(0x808000), QColor(0, 128, 128));
    EXPECT_EQ(uiqt::toQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(uiqt::toPixels(11880), 792);
    EXPECT_EQ(uiqt::toPixels(375), 25);
    EXPECT_EQ(uiqt::toQFont(ui::boldFont(12)).pixelSize(), 16);
}

}  // namespace
