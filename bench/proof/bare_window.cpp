// The yardstick: a bare Qt Widgets program with one 792 x 599 window of 200 plain labels, the
// size and the control count of one of the game's screens.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(792, 599);
    for (int i = 0; i < 200; ++i) {
        auto* label = new QLabel(QString::number(i + 1), &window);
        label->setGeometry(20 + (i % 20) * 38, 20 + (i / 20) * 55, 36, 50);
    }
    window.show();
    return QApplication::exec();
}
