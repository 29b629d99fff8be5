// The program's own question box for tests that play the game in real windows: modal over the
// game's window, answered by real events, and counting the questions it was asked.
#pragma once

#include <QMessageBox>
#include <string>

#include "ui/application.h"
#include "ui/qt/qt_platform.h"

namespace qtsupport {

class CountedQuestionBox final : public ui::Platform {
public:
    uiqt::QtPlatform box;  // its owner is the game's window: setOwner
    int asked = 0;

    ui::Answer ask(const std::string& text, const std::string& title) override;
    void endProgram() override {}
};

// The question box open now, or nullptr.
QMessageBox* openQuestionBox();

}  // namespace qtsupport
