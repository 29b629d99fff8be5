// End to end in a real X window: the game binary is started, the welcome label clicked, a whole
// fleet laid by clicking the real cells, the battle started, shots fired until one hits, the
// battle left with "Покинуть игру" and Yes, and the program closed with its close box. After
// key steps a screenshot is saved and pixels that prove the screen are checked; every screen
// comes in the one window that the game opened first.
//   play_through <game binary> <folder for screenshots>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "x_session.h"

namespace {

using e2e::Rgb;

const std::string kCaption = "Бурунцы: волноборье";
const Rgb kBlack{0, 0, 0}, kRed{255, 0, 0};

int failures = 0;

void expect(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok) ++failures;
}

// GCC 12 at -O2 and above warns of overlapping copies here (-Wrestrict), a false positive
// of its inlined std::string code (GCC bugs 105329, 105651); Clang has no such warning.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
std::string str(Rgb c) {
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// A cell's inner area begins two pixels inside its 375-twip square.
int cellLeft(int gridLeft, int n) {
    return gridLeft + 360 * ((n - 1) % 10) + 30;
}
int cellTop(int n) {
    return 1560 + 360 * ((n - 1) / 10) + 30;
}
Rgb cellPixel(e2e::XSession& x, Window w, int gridLeft, int n, int dx, int dy) {
    return x.pixel(w, cellLeft(gridLeft, n) / 15 + dx, cellTop(n) / 15 + dy);
}
void clickCell(e2e::XSession& x, Window w, int gridLeft, int n) {
    x.clickAtTwips(w, gridLeft + 360 * ((n - 1) % 10) + 187, 1560 + 360 * ((n - 1) / 10) + 187);
}

// Ship pictures, left to right: Люгер, Галеон, Фрегат, Линкор.
void chooseType(e2e::XSession& x, Window w, int length) {
    x.clickAtTwips(w, 240 + 1680 * (length - 1) + 787, 6840 + 727);
}

int waitExit(pid_t pid, int ms) {
    for (int waited = 0; waited < ms; waited += 50) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

// A click that comes within the double-click interval of the one that brought a screen up is
// the rest of a double click and goes nowhere; a player looks at a new screen before clicking.
void lookAtTheNewScreen() {
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
}

// The player's eyes on the one window, as the screens take turns in it.
bool welcomeShown(e2e::XSession& x, Window w, int ms) {
    return x.waitForPixelAtTwips(w, 1680 + 150, 3360 + 30, Rgb{128, 64, 0}, ms);
}

void play(e2e::XSession& x, const std::string& shots, pid_t game) {
    const Window window = x.waitForWindow(kCaption, 20000);
    expect(window != 0, "the game's window opens");
    if (window == 0) return;
    expect(welcomeShown(x, window, 5000), "the welcome label is on screen");
    x.screenshot(window, shots + "/1-welcome.ppm");
    const auto oneWindow = [&](const char* screen) {
        expect(x.isMapped(window) && x.countWindows(kCaption) == 1,
               std::string("the same one window shows the ") + screen);
    };

    x.clickAtTwips(window, 1680 + 4327, 3360 + 1147);
    expect(x.waitForPixelAtTwips(window, 6000, 300, Rgb{0, 128, 128}, 5000),
           "the label opens the placement screen, teal");
    oneWindow("placement screen");
    lookAtTheNewScreen();

    x.clickAtTwips(window, 7920 + 1327, 6960 + 427);  // "Начать размещение!"
    const std::vector<std::vector<int>> fleet = {{1, 2, 3, 4}, {6, 7, 8}, {21, 31, 41}, {10, 20},
                                                 {23, 24},     {26, 27},  {43},         {46},
                                                 {49},         {100}};
    for (std::size_t s = 0; s < fleet.size(); ++s) {
        chooseType(x, window, static_cast<int>(fleet[s].size()));
        if (s == 1) {
            const Rgb frame = cellPixel(x, window, 1200, 1, 1, 1);
            const Rgb red = cellPixel(x, window, 1200, 5, 10, 10);
            x.screenshot(window, shots + "/2-placement.ppm");
            expect(frame == kBlack, "a laid cell shows the segment frame " + str(frame));
            expect(red == kRed, "the cell beside the laid ship is marked red " + str(red));
        }
        for (int cell : fleet[s])
            clickCell(x, window, 1200, cell);
    }
    x.screenshot(window, shots + "/3-fleet.ppm");
    x.clickAtTwips(window, 7920 + 1327, 6960 + 427);  // "Разместить флот врага"
    // The battle shows the fleet on its left grid; the placement screen, reset, shows none.
    expect(x.waitForPixelAtTwips(window, cellLeft(1200, 21) + 15, cellTop(21) + 15, kBlack, 10000),
           "the whole fleet opens the battle, which shows the player's fleet");
    oneWindow("battle");
    lookAtTheNewScreen();

    // Shoot down the grid until a shot hits; clicks during the computer's move are refused,
    // so a cell that stays empty is tried again.
    bool hit = false;
    int n = 1;
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!hit && n <= 100 && std::chrono::steady_clock::now() < limit) {
        clickCell(x, window, 7080, n);
        const Rgb c = cellPixel(x, window, 7080, n, 10, 10);
        if (c == kRed) {
            hit = true;
        } else if (c == kBlack) {
            ++n;  // a miss: the dot
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
        }
    }
    x.screenshot(window, shots + "/4-battle.ppm");
    expect(hit, "a hit shows the red cross");

    x.clickAtTwips(window, 7920 + 1327, 6960 + 427);  // "Покинуть игру"
    const Window question = x.waitForWindow("Подтверждение выхода", 5000);
    expect(question != 0, "the exit question is asked");
    if (question != 0) {
        x.screenshot(question, shots + "/5-question.ppm");
        x.pressKey("Return");  // Yes is the default
    }
    expect(welcomeShown(x, window, 5000), "Yes leaves the battle for the welcome screen");
    oneWindow("welcome screen again");
    x.screenshot(window, shots + "/6-back.ppm");

    x.requestClose(window);
    const int status = waitExit(game, 15000);
    expect(status == 0,
           "the close box ends the program cleanly (exit status " + std::to_string(status) + ")");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: play_through <game binary> <folder for screenshots>\n");
        return 2;
    }
    const pid_t game = fork();
    if (game == 0) {
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        std::perror("execl");
        _exit(127);
    }
    try {
        e2e::XSession x;
        play(x, argv[2], game);
    } catch (const std::exception& e) {
        expect(false, e.what());
    }
    if (waitExit(game, 0) < 0) {
        kill(game, SIGKILL);
        waitpid(game, nullptr, 0);
    }
    std::printf("%s\n", failures == 0 ? "PASSED" : "FAILED");
    return failures == 0 ? 0 : 1;
}
