// The yardstick: a bare Qt Widgets program with one 792 x 599 window of 200 plain labels, the
// size and the control count of one of the game's screens. With --pulse, one large label's
// text colour changes every 50 ms, as the welcome screen's does, to show what that costs any
// Qt program.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool pulse = argc > 1 && std::strcmp(argv[1], "--pulse") == 0;
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(792, 599);
    for (int i = 0; i < 200; ++i) {
        auto* label = new QLabel(QString::number(i + 1), &window);
        label->setGeometry(20 + (i % 20) * 38, 20 + (i / 20) * 55, 36, 50);
    }
    QLabel big(QStringLiteral("Добро пожаловать в игру \"Бурунцы: волноборье\"! (Кликнуть здесь)"),
               &window);
    big.setGeometry(112, 224, 577, 153);
    big.setWordWrap(true);
    big.setAlignment(Qt::AlignCenter);
    big.setAutoFillBackground(true);
    QFont font;
    font.setPixelSize(40);
    font.setBold(true);
    big.setFont(font);
    big.setVisible(pulse);
    QTimer timer;
    int red = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        red = (red + 20) % 256;
        QPalette palette = big.palette();
        palette.setColor(QPalette::WindowText, QColor(red, 17, 0));
        palette.setColor(QPalette::Window, QColor(128, 64, 0));
        big.setPalette(palette);
    });
    if (pulse) timer.start(50);
    window.show();
    return QApplication::exec();
}
