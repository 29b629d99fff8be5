#include "question_box.h"

#include <QApplication>

namespace qtsupport {

ui::Answer CountedQuestionBox::ask(const std::string& text, const std::string& title) {
    ++asked;
    return box.ask(text, title);
}

QMessageBox* openQuestionBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

}  // namespace qtsupport
