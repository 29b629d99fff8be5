// The platform services on Qt: the question box and the end of the program.
#pragma once

#include "ui/application.h"

namespace uiqt {

class QtPlatform final : public ui::Platform {
public:
    ui::Answer ask(const std::string& text, const std::string& title) override;
    void endProgram() override;
};

}  // namespace uiqt
