#include "support/game_fixture.h"

#include <stdexcept>

namespace support {

void TestRandom::script(const std::vector<double>& numbers) {
    script_.insert(script_.end(), numbers.begin(), numbers.end());
}

double TestRandom::next() {
    ++taken_;
    if (!script_.empty()) {
        const double r = script_.front();
        script_.pop_front();
        return r;
    }
    if (freeRun_) return engine_.next();
    throw std::logic_error("test random source: script exhausted at number " +
                           std::to_string(taken_));
}

ui::Answer ScriptedPlatform::ask(const std::string& text, const std::string& title) {
    questions.push_back({text, title});
    if (whileOpen) whileOpen();
    if (answers.empty()) return ui::Answer::No;
    const ui::Answer a = answers.front();
    answers.pop_front();
    return a;
}

const Fleet kSampleFleet = {
    {1, 2, 3, 4},                    // Линкор
    {6, 7, 8},                       // Фрегат
    {21, 31, 41},                    // Фрегат
    {10, 20},                        // Галеон
    {23, 24},                        // Галеон
    {26, 27},                        // Галеон
    {43},         {46}, {49}, {100}  // Люгер
};

void setPlayerFleet(game::Module1& m, const Fleet& fleet) {
    for (int i = 1; i <= 100; ++i) {
        m.PoleIgroka[i] = 0;
        m.KorablKletki[i] = 0;
    }
    for (const auto& ship : fleet) {
        for (int cell : ship) {
            m.PoleIgroka[cell] = cell;
            m.KorablKletki[cell] = static_cast<int>(ship.size());
        }
    }
}

void setComputerFleet(game::Module1& m, const Fleet& fleet) {
    int slot = 1;
    for (const auto& ship : fleet) {
        for (int cell : ship) {
            if (slot > 20) throw std::invalid_argument("more than twenty cells");
            m.FlotVraga[slot++] = cell;
        }
    }
}

void GameTest::startNewGame() {
    game.start();
    f4().Label1.click();
}

void openSampleBattle(game::Game& g) {
    setPlayerFleet(g.module1(), kSampleFleet);
    setComputerFleet(g.module1(), kSampleFleet);
    g.form1().hide();
    g.form2().show();
}

std::vector<ui::Form*> visibleForms(game::Game& g) {
    std::vector<ui::Form*> shown;
    for (ui::Form* f : g.forms()) {
        if (f->visible()) shown.push_back(f);
    }
    return shown;
}

}  // namespace support
