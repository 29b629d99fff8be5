// The program: the game on the model, drawn by the Qt layer.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/game.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/qt/game_window.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/view.h"
#include "ui/random.h"

namespace {

// Qt aborts with a toolkit backtrace when it finds no display; say what to do instead.
bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs(
            "buruntsy: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "The game needs a desktop window. Without one, run it on Qt's VNC platform and\n"
            "connect any VNC viewer to port 5900 of this machine:\n"
            "    QT_QPA_PLATFORM=vnc ./play.sh\n",
            stderr);
        return 2;
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("buruntsy"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setQuitOnLastWindowClosed(false);

    ui::SteadyClock clock;
    ui::DefaultRandom random;
    uiqt::QtPlatform platform;
    ui::Application app(clock, random, platform);
    game::Game game(app);
    uiqt::View view(app, game.forms());
    platform.setOwner(&view.window());
    game.start();
    if (app.ended()) return 0;
    return QApplication::exec();
}
