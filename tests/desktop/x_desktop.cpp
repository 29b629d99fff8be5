#include "x_desktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

// After Qt's headers, whose names Xlib's macros would break.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace desktop {

namespace {

constexpr int kWaitMs = 5000;  // for the window manager to act on a request

Window client(QWidget& window) {
    return static_cast<Window>(window.winId());
}

// Qt's logical pixels per device pixel on the (one) screen.
double scale() {
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}
int toLogical(long device) {
    return static_cast<int>(std::lround(static_cast<double>(device) / scale()));
}
long toDevice(int logical) {
    return std::lround(logical * scale());
}

// A property of 32-bit items, which Xlib hands over as longs; empty when the window has none.
std::vector<long> readProperty(Display* d, Window w, const char* name, Atom type) {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> items;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1024, False, type, &actual,
                           &format, &count, &after, &data) == Success &&
        data != nullptr && format == 32) {
        const long* first = reinterpret_cast<const long*>(data);
        items.assign(first, first + count);
    }
    if (data != nullptr) XFree(data);
    return items;
}

}  // namespace

QPoint toDevicePixels(QPoint logical) {
    return {static_cast<int>(toDevice(logical.x())), static_cast<int>(toDevice(logical.y()))};
}

XDesktop::XDesktop() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) throw std::runtime_error("no X display");
    // A window manager announces itself on the root window early in its start; it is ready
    // once it takes on a new window.
    const Window root = DefaultRootWindow(display_);
    const bool announced = until(10000, [&] {
        return !readProperty(display_, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty();
    });
    if (!announced) throw std::runtime_error("no window manager runs on the display");
    // A window mapped while it still starts is lost to it for good: try with a new one.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const Window probe = XCreateSimpleWindow(display_, root, 0, 0, 10, 10, 0, 0, 0);
        XMapWindow(display_, probe);
        const bool ready = until(500, [&] { return wmState(probe) == NormalState; });
        XDestroyWindow(display_, probe);
        if (ready) return;
    }
    throw std::runtime_error("the window manager takes on no window");
}

XDesktop::~XDesktop() {
    XCloseDisplay(display_);
}

bool XDesktop::until(int ms, const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    for (;;) {
        XSync(display_, False);
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (done()) return true;
        if (t.elapsed() > ms) return false;
    }
}

XWindow XDesktop::frameOf(XWindow w) {
    const Window root = DefaultRootWindow(display_);
    for (;;) {
        Window r = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display_, w, &r, &parent, &children, &count) == 0) return w;
        if (children != nullptr) XFree(children);
        if (parent == root || parent == 0) return w;
        w = parent;
    }
}

long XDesktop::wmState(XWindow w) {
    const std::vector<long> state =
        readProperty(display_, w, "WM_STATE", XInternAtom(display_, "WM_STATE", False));
    return state.empty() ? 0 : state[0];
}

XWindow XDesktop::activeWindow() {
    const std::vector<long> active =
        readProperty(display_, DefaultRootWindow(display_), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    return active.empty() ? 0 : static_cast<XWindow>(active[0]);
}

// The player acts on a window once it has come up: managed by the window manager, active, and
// known to Qt as active. A request about a window the window manager does not manage yet is
// lost.
void XDesktop::awaitComeUp(QWidget& window) {
    const bool up = until(kWaitMs, [&] {
        return wmState(client(window)) == NormalState && activeWindow() == client(window) &&
               QApplication::activeWindow() == &window;
    });
    if (!up) {
        throw std::runtime_error(window.objectName().toStdString() + " did not come up: WM_STATE " +
                                 std::to_string(wmState(client(window))) + ", active window " +
                                 std::to_string(activeWindow()) + ", this window " +
                                 std::to_string(client(window)));
    }
}

// The window manager's stacking of the windows it manages runs from the bottom up; the topmost
// that is on screen, or 0.
XWindow XDesktop::topWindow() {
    XWindow top = 0;
    for (long item : readProperty(display_, DefaultRootWindow(display_),
                                  "_NET_CLIENT_LIST_STACKING", XA_WINDOW)) {
        const auto w = static_cast<XWindow>(item);
        XWindowAttributes a;
        if (XGetWindowAttributes(display_, w, &a) != 0 && a.map_state == IsViewable) top = w;
    }
    return top;
}

// As the window's iconify button does: the request goes to the window manager. The window's
// own request to be activated, still on its way, can restore it at once; then the player
// clicks the button again.
void XDesktop::minimise(QWidget& window) {
    awaitComeUp(window);
    const auto minimised = [&] {
        return wmState(client(window)) == IconicState &&
               (window.windowState() & Qt::WindowMinimized) != 0;
    };
    readEvents();  // what came before is the game's
    minimisedByPlayer_ = true;
    for (int attempt = 0; attempt < kWaitMs / 1000; ++attempt) {
        XIconifyWindow(display_, client(window), DefaultScreen(display_));
        if (until(1000, minimised)) return;
    }
    throw std::runtime_error("the window manager did not minimise " +
                             window.objectName().toStdString());
}

// As a drag of the title bar ends: the window manager moves the frame (EWMH
// _NET_MOVERESIZE_WINDOW from a pager, north-west gravity, so the position is the frame's).
void XDesktop::moveFrame(QWidget& window, QPoint p) {
    awaitComeUp(window);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = client(window);
    e.xclient.message_type = XInternAtom(display_, "_NET_MOVERESIZE_WINDOW", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = NorthWestGravity | (1L << 8) | (1L << 9) | (2L << 12);
    e.xclient.data.l[1] = toDevice(p.x());
    e.xclient.data.l[2] = toDevice(p.y());
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &e);
    const bool done =
        until(kWaitMs, [&] { return frame(window).topLeft() == p && window.pos() == p; });
    if (!done) throw std::runtime_error("the window manager did not move the window");
}

QRect XDesktop::frame(QWidget& window) {
    XWindowAttributes a;
    if (XGetWindowAttributes(display_, frameOf(client(window)), &a) == 0) return {};
    const int border = 2 * a.border_width;
    return {toLogical(a.x), toLogical(a.y), toLogical(a.width + border),
            toLogical(a.height + border)};
}

// The work area that the window manager announces: the screen less its panels and margins.
QRect XDesktop::freeArea() {
    const std::vector<long> area =
        readProperty(display_, DefaultRootWindow(display_), "_NET_WORKAREA", XA_CARDINAL);
    if (area.size() < 4) throw std::runtime_error("the window manager announces no work area");
    return {toLogical(area[0]), toLogical(area[1]), toLogical(area[2]), toLogical(area[3])};
}

void XDesktop::watch(QWidget& window) {
    watched_ = client(window);
    XSelectInput(display_, watched_, StructureNotifyMask);
    XSync(display_, False);
}

// The window manager unmaps a window it minimises; any other unmapping is the game's.
void XDesktop::readEvents() {
    XSync(display_, False);
    while (XPending(display_) > 0) {
        XEvent e;
        XNextEvent(display_, &e);
        if (e.type == MapNotify && e.xmap.window == watched_) minimisedByPlayer_ = false;
        if (e.type == UnmapNotify && e.xunmap.window == watched_ && !minimisedByPlayer_)
            gaps_ += "unmapped; ";
        if (e.type == DestroyNotify && e.xdestroywindow.window == watched_) gaps_ += "destroyed; ";
    }
}

std::string XDesktop::gaps() {
    readEvents();
    return std::exchange(gaps_, {});
}

std::string XDesktop::offScreenFault(QWidget& window) {
    until(kWaitMs, [&] { return faultNow(window).empty(); });
    return faultNow(window);
}

std::string XDesktop::faultNow(QWidget& window) {
    const Window w = client(window);
    XWindowAttributes a;
    if (XGetWindowAttributes(display_, w, &a) == 0 || a.map_state != IsViewable)
        return "the window is not mapped";
    if (wmState(w) != NormalState) return "the window manager holds the window iconic";
    if ((window.windowState() & Qt::WindowMinimized) != 0) return "Qt holds the window minimised";
    if (activeWindow() != w) return "another window is active";
    if (topWindow() != w) return "another window is in front";
    return "";
}

}  // namespace desktop
