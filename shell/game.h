// The program: the shared record and the four screens, each created once and kept for the
// whole run. Screens reach one another only through this object (to show or hide a screen).
#pragma once

#include <memory>
#include <vector>

#include "shell/module1.h"

namespace ui {
class Application;
class Form;
}  // namespace ui

namespace game {

class Form1;
class Form2;
class Form3;
class Form4;

class Game {
public:
    explicit Game(ui::Application& app);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The start-up: the placement form is loaded (its timer starts) and its load handler
    // hides it and brings up the welcome screen.
    void start();

    ui::Application& app() const { return app_; }
    Module1& module1() { return module1_; }

    Form1& form1() { return *form1_; }
    Form2& form2() { return *form2_; }
    Form3& form3() { return *form3_; }
    Form4& form4() { return *form4_; }
    std::vector<ui::Form*> forms();

private:
    ui::Application& app_;
    Module1 module1_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
};

}  // namespace game
