#include "shell/game.h"

#include "battle/form2.h"
#include "placement/form1.h"
#include "shell/form3.h"
#include "shell/form4.h"

namespace game {

Game::Game(ui::Application& app)
    : app_(app),
      form1_(std::make_unique<Form1>(*this)),
      form2_(std::make_unique<Form2>(*this)),
      form3_(std::make_unique<Form3>(*this)),
      form4_(std::make_unique<Form4>(*this)) {}

Game::~Game() = default;

void Game::start() {
    form1_->load();
}

std::vector<ui::Form*> Game::forms() {
    return {form1_.get(), form2_.get(), form3_.get(), form4_.get()};
}

}  // namespace game
