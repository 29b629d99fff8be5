// Starts a program on the X display and measures it from outside: the time from launch until
// its first window is mapped, its resident memory once shown, and the processor time it uses
// while idle. Prints one line: "<ms to first window> <resident KiB> <idle cpu %>".
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

double cpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(all.substr(all.rfind(')') + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i)
        fields >> skip;  // fields 3..13
    long user = 0, system = 0;
    fields >> user >> system;  // fields 14 and 15
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: launch_probe <idle seconds> <program> [args...]\n");
        return 2;
    }
    const int idleSeconds = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "launch_probe: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[2], argv + 2);
        std::perror("execv");
        _exit(127);
    }
    XEvent event;
    while (true) {
        XNextEvent(display, &event);
        if (event.type == MapNotify) break;
    }
    const double shownMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = residentKiB(child);
    const double cpuBefore = cpuSeconds(child);
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const double cpuAfter = cpuSeconds(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.1f %ld %.3f\n", shownMs, rss, 100.0 * (cpuAfter - cpuBefore) / idleSeconds);
    return 0;
}
