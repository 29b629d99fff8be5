// A long randomised run over the headless game: clicks on whatever the shown screen offers (the
// rules refuse most of them), purposeful moves that carry games to both results, clock steps of
// any length, Yes and No to the exit question, and now and then the end of the program. After
// every event the invariants of the screens and the record are checked. Seeds are printed;
// BURUNTSY_ABUSE_SEED=<n> reruns one of them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

#include "computer_fleet/fleet_geometry.h"
#include "fleet_oracle.h"
#include "support/game_fixture.h"
#include "support/placement_clicks.h"

namespace {

// The game's random source for one run, which fails any single event that takes more numbers
// than a handler could ever need: a handler that does not return is caught, not waited for.
class BoundedRandom final : public ui::Random {
public:
    static constexpr std::size_t kPerEvent = 20'000'000;
    explicit BoundedRandom(std::uint64_t seed) : engine_(seed) {}
    void newEvent() { taken_ = 0; }
    double next() override {
        if (++taken_ > kPerEvent) throw std::runtime_error("one event took too many numbers");
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }

private:
    std::mt19937_64 engine_;
    std::size_t taken_ = 0;
};

// One run of the program.
struct Run {
    explicit Run(std::uint64_t seed) : random(seed) { game.start(); }
    ui::ManualClock clock;
    BoundedRandom random;
    support::ScriptedPlatform platform;
    ui::Application app{clock, random, platform};
    game::Game game{app};
};

class Abuse {
public:
    explicit Abuse(std::uint32_t seed) : seed_(seed), rng_(seed) { restart(); }

    void event();
    void check();
    const std::string& fault() const { return fault_; }
    int wins = 0, losses = 0, exits = 0, runs = 0;

private:
    void restart() {
        run_ = std::make_unique<Run>(rng_());
        plan_.clear();
        ++runs;
    }
    Run& r() { return *run_; }
    game::Module1& m() { return r().game.module1(); }
    ui::Form* shown();
    void clickAnything(ui::Form& form);
    void purposeful(ui::Form& form);
    void advance(ui::Millis ms) { ui::advance(r().app, r().clock, ms); }
    void fail(const std::string& what) {
        if (fault_.empty()) fault_ = what;
    }
    int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }

    std::uint32_t seed_;
    std::mt19937 rng_;
    std::unique_ptr<Run> run_;
    std::deque<std::function<void()>> plan_;  // purposeful clicks still to make
    std::string fault_;
    bool wasInBattle_ = false;
};

ui::Form* Abuse::shown() {
    ui::Form* visible = nullptr;
    int count = 0;
    for (ui::Form* f : r().game.forms()) {
        if (f->visible()) {
            visible = f;
            ++count;
        }
    }
    if (count != 1) fail(std::to_string(count) + " screens shown at once");
    return visible;
}

void Abuse::event() {
    r().random.newEvent();
    // Each question box gets a random answer, and time may pass while it is open.
    r().platform.answers = {below(2) == 0 ? ui::Answer::Yes : ui::Answer::No};
    r().platform.whileOpen = [this] { r().clock.set(r().clock.now() + below(20000)); };
    ui::Form* form = shown();
    if (form == nullptr) return;
    const int kind = below(100);
    try {
        if (kind < 30) {
            clickAnything(*form);
        } else if (kind < 80) {
            purposeful(*form);
        } else {
            const int scale = below(10);
            advance(scale < 6 ? 1 + below(200) : scale < 9 ? below(4000) : below(30000));
        }
    } catch (const std::exception& e) {
        fail(std::string("a handler failed: ") + e.what());
    }
    if (r().app.ended()) {
        ++exits;
        restart();
    }
}

void Abuse::clickAnything(ui::Form& form) {
    std::vector<ui::Control*> visible;
    for (ui::Control* c : form.controls()) {
        if (c->visible()) visible.push_back(c);
    }
    ui::Control* c = visible[static_cast<std::size_t>(below(static_cast<int>(visible.size())))];
    // "Выход" ends the run; keep it rare so that runs last.
    if (c == &r().game.form3().Command2 && below(10) != 0) return;
    c->click();
}

void Abuse::purposeful(ui::Form& form) {
    game::Game& g = r().game;
    if (&form == &g.form4()) {
        g.form4().Label1.click();
    } else if (&form == &g.form1()) {
        game::Form1& f1 = g.form1();
        if (f1.CommandRazm.visible()) {
            f1.CommandRazm.click();
        } else if (!plan_.empty()) {
            auto step = plan_.front();
            plan_.pop_front();
            step();
        } else {
            // Start the placement over and lay a fresh legal fleet, one click per event.
            plan_.push_back([&f1] { f1.cmdOtmenitvso.click(); });
            for (const auto& ship : proof::randomLegalFleet(rng_)) {
                plan_.push_back(
                    [&f1, ship] { support::shipPicture(f1, int(ship.size())).click(); });
                for (int cell : ship)
                    plan_.push_back([&f1, cell] { f1.Picture(cell).click(); });
            }
            plan_.push_back([&f1] { f1.cmdStart.click(); });
        }
    } else if (&form == &g.form2()) {
        game::Form2& f2 = g.form2();
        plan_.clear();
        if (f2.txtHodu.text() == "2") {
            advance(3100);
        } else if (below(40) == 0) {
            f2.CommandExit.click();
        } else {
            // Aim at enemy ship cells mostly, so that battles are won as well as lost.
            std::vector<int> open;
            for (int n = 1; n <= 100; ++n) {
                if (m().VystrelyIgroka[n] == n) continue;
                bool ship = false;
                for (int s = 1; s <= 20; ++s)
                    ship = ship || m().FlotVraga[s] == n;
                if (ship || below(4) == 0) open.push_back(n);
            }
            if (!open.empty()) {
                f2.Picture(100 + open[static_cast<std::size_t>(below(int(open.size())))]).click();
            }
        }
    } else if (&form == &g.form3()) {
        (below(15) == 0 ? g.form3().Command2 : g.form3().Command1).click();
    }
}

void Abuse::check() {
    game::Game& g = r().game;
    ui::Form* form = shown();
    if (form == nullptr) return;
    const game::Module1& rec = m();
    for (int v :
         {rec.PoleIgroka[0], rec.KorablKletki[0], rec.FlotVraga[0], rec.TekKorabl[0], rec.Sosedi[0],
          rec.SosediVraga[0], rec.SosediPopadaniy[0], rec.ZapretKomp[0], rec.VystrelyIgroka[0]}) {
        if (v != 0) fail("element 0 of an array was written");
    }
    if (rec.SchetDoli < 0 || rec.SchetDoli > 4) fail("more than four segments in one ship");
    const bool inBattle = form == &g.form2();
    if (form == &g.form1()) {
        game::Form1& f1 = g.form1();
        for (int n = 1; n <= 100; ++n) {
            const bool dola = f1.Picture(n).picture() == f1.ImageDola.picture();
            if (dola != (rec.PoleIgroka[n] == n))
                fail("a placement cell disagrees with the record");
            if ((rec.KorablKletki[n] != 0) != (rec.PoleIgroka[n] == n)) {
                fail("the fleet arrays disagree during placement");
            }
            if (!f1.Picture(100 + n).picture().isNull()) fail("the computer's zone was drawn on");
        }
        const long stocks[] = {f1.txtLyger.number(), f1.txtGaleon.number(), f1.txtFregat.number(),
                               f1.txtLinkor.number()};
        for (int t = 0; t < 4; ++t) {
            if (stocks[t] < 0 || stocks[t] > 4 - t) fail("a stock out of its range");
        }
        if (f1.txtUtschot.number() < 0 || f1.txtUtschot.number() > 4)
            fail("cells left out of range");
    }
    if (inBattle) {
        game::Form2& f2 = g.form2();
        if (!wasInBattle_) {
            const std::string fleetFault = proof::playerFleetFault(rec);
            if (!fleetFault.empty()) fail("the player's fleet handed to the battle: " + fleetFault);
            fleet_test::Slots slots{};
            for (int s = 1; s <= 20; ++s)
                slots[static_cast<std::size_t>(s)] = rec.FlotVraga[s];
            if (!fleet_test::legalFleet(slots)) fail("the computer's fleet is not legal");
        }
        int computerHits = 0, playerHits = 0;
        for (int k = 1; k <= 100; ++k) {
            const ui::Picture& p = f2.Picture(k).picture();
            const bool ship = rec.PoleIgroka[k] == k;
            if (p == f2.ImagePopal.picture()) {
                ++computerHits;
                if (!ship) fail("a hit shown on empty water");
            } else if (p == f2.ImageMimo.picture()) {
                if (ship) fail("a miss shown on a ship");
            } else if ((p == f2.ImageDola.picture()) != ship) {
                fail("the player's grid does not show the fleet");
            }
            const ui::Picture& q = f2.Picture(100 + k).picture();
            bool enemy = false;
            for (int s = 1; s <= 20; ++s)
                enemy = enemy || rec.FlotVraga[s] == k;
            if (!q.isNull() && rec.VystrelyIgroka[k] != k) fail("a shot cell not recorded");
            if (q == f2.ImagePopal.picture()) {
                ++playerHits;
                if (!enemy) fail("a player's hit on empty water");
            } else if (q == f2.ImageMimo.picture() && enemy) {
                fail("a player's miss on a ship");
            }
        }
        if (f2.txtVr.number() != computerHits) fail("the computer's count disagrees with the grid");
        if (f2.txtJa.number() != playerHits) fail("the player's count disagrees with the grid");
        if ((rec.HodComp == 1) != (f2.txtHodu.text() == "2")) fail("HodComp and the move field");
        if (f2.LabelComp.caption() != (rec.HodComp == 1 ? "Ходит компьютер:" : "Ваш ход:")) {
            fail("the move caption");
        }
    }
    if (wasInBattle_ && !inBattle && form == &g.form3()) {
        if (rec.Itog == 1) ++wins;
        if (rec.Itog == 2) ++losses;
    }
    if (form == &g.form3()) {
        game::Form3& f3 = g.form3();
        if (rec.Itog != 1 && rec.Itog != 2) fail("a result screen without a result");
        if (f3.Image2.visible() != (rec.Itog == 1) || f3.Image1.visible() != (rec.Itog == 2)) {
            fail("the result picture");
        }
    }
    wasInBattle_ = inBattle;
}

std::vector<std::uint32_t> seeds() {
    if (const char* one = std::getenv("BURUNTSY_ABUSE_SEED")) {
        return {static_cast<std::uint32_t>(std::strtoul(one, nullptr, 10))};
    }
    return {11, 2027, 31337, 4242, 90210, 777};
}

TEST(AbuseTest, ThousandsOfRandomEventsKeepEveryInvariant) {
    const int events = 6000;
    int wins = 0, losses = 0;
    for (std::uint32_t seed : seeds()) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " (BURUNTSY_ABUSE_SEED reruns it)");
        Abuse abuse(seed);
        for (int i = 0; i < events && abuse.fault().empty(); ++i) {
            abuse.event();
            abuse.check();
            if (!abuse.fault().empty()) {
                ADD_FAILURE() << "event " << i << ": " << abuse.fault();
            }
        }
        std::cout << "seed " << seed << ": " << abuse.runs << " runs, " << abuse.wins << " won, "
                  << abuse.losses << " lost, " << abuse.exits << " program ends\n";
        wins += abuse.wins;
        losses += abuse.losses;
    }
    EXPECT_GT(wins, 0) << "the run should carry some games to a win";
    EXPECT_GT(losses, 0) << "and some to a loss";
}

}  // namespace
