#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace uiqt {

ui::Answer QtPlatform::ask(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                    owner_ != nullptr ? owner_ : QApplication::activeWindow());
    box.setObjectName(QStringLiteral("question"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.setDefaultButton(QMessageBox::Yes);
    // Escape and the close box answer No.
    box.setEscapeButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes ? ui::Answer::Yes : ui::Answer::No;
}

void QtPlatform::endProgram() {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::quit();
}

}  // namespace uiqt
