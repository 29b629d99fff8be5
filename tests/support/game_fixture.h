// The game on the model, for tests: a manual clock, a random source that takes a script (and
// fails loudly past its end unless told to run free), and a platform whose question box and
// program end are scripted. No window, no sleeps.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "battle/form2.h"
#include "placement/form1.h"
#include "shell/form3.h"
#include "shell/form4.h"
#include "shell/game.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/random.h"

namespace support {

class TestRandom final : public ui::Random {
public:
    void script(const std::vector<double>& numbers);
    // When the script is used up, draw from the program's own source instead of failing.
    void freeRun(bool on = true) { freeRun_ = on; }
    double next() override;

    std::size_t taken() const { return taken_; }
    std::size_t remaining() const { return script_.size(); }

private:
    std::deque<double> script_;
    ui::DefaultRandom engine_;
    bool freeRun_ = false;
    std::size_t taken_ = 0;
};

// r for which the whole part of n * r is exactly k (safe from rounding).
inline double pick(int k, int n) {
    return (k + 0.5) / n;
}

class ScriptedPlatform final : public ui::Platform {
public:
    struct Question {
        std::string text;
        std::string title;
    };
    std::vector<Question> questions;
    std::deque<ui::Answer> answers;  // popped per question; No when empty
    // If set, runs while the question is "open" (after it is recorded), before the answer.
    std::function<void()> whileOpen;
    int endCalls = 0;

    ui::Answer ask(const std::string& text, const std::string& title) override;
    void endProgram() override { ++endCalls; }
};

// The ten ships of a legal fleet, one vector of cells per ship in laying order, listed
// Линкор, Фрегат, Фрегат, Галеон, Галеон, Галеон, Люгер x4 (the slot order of FlotVraga).
using Fleet = std::vector<std::vector<int>>;
extern const Fleet kSampleFleet;

// Writes a fleet into PoleIgroka and KorablKletki as the placement leaves it.
void setPlayerFleet(game::Module1& m, const Fleet& fleet);
// Writes a fleet into FlotVraga slots 1..20 in the order given.
void setComputerFleet(game::Module1& m, const Fleet& fleet);

// From the placement screen straight to a battle: the sample fleet on both sides, the
// placement hidden and the battle screen shown, the player to move.
void openSampleBattle(game::Game& g);

// Every form shown at this moment, in the game's order of forms.
std::vector<ui::Form*> visibleForms(game::Game& g);

class GameTest : public ::testing::Test {
protected:
    ui::ManualClock clock;
    TestRandom random;
    ScriptedPlatform platform;
    ui::Application app{clock, random, platform};
    game::Game game{app};

    game::Module1& m() { return game.module1(); }
    game::Form1& f1() { return game.form1(); }
    game::Form2& f2() { return game.form2(); }
    game::Form3& f3() { return game.form3(); }
    game::Form4& f4() { return game.form4(); }

    void advance(ui::Millis ms) { ui::advance(app, clock, ms); }
    // Start-up, then the welcome label's click: the placement screen of a new game.
    void startNewGame();
    std::vector<ui::Form*> visibleForms() { return support::visibleForms(game); }
};

}  // namespace support
