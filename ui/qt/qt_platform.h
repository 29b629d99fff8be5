// The platform services on Qt: the question box and the end of the program.
#pragma once

#include "ui/application.h"

class QWidget;

namespace uiqt {

class QtPlatform final : public ui::Platform {
public:
    // The window the question box is modal over; without one, the active window.
    void setOwner(QWidget* owner) { owner_ = owner; }
    ui::Answer ask(const std::string& text, const std::string& title) override;
    void endProgram() override;

private:
    QWidget* owner_ = nullptr;
};

}  // namespace uiqt
