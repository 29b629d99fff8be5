#include "x_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace e2e {

namespace {

void run(const std::string& command) {
    if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

XSession::XSession() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) throw std::runtime_error("no X display");
}

XSession::~XSession() {
    XCloseDisplay(display_);
}

void XSession::pump() {
    XSync(display_, False);
}

std::string XSession::title(Window w) {
    const Atom name = XInternAtom(display_, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string result;
    if (XGetWindowProperty(display_, w, name, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr) {
        result.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return result;
}

bool XSession::isMapped(Window w) {
    XWindowAttributes a;
    if (XGetWindowAttributes(display_, w, &a) == 0) return false;
    return a.map_state == IsViewable;
}

int XSession::countWindows(const std::string& wanted) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    pump();
    int found = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count; ++i) {
            if (isMapped(children[i]) && title(children[i]) == wanted) ++found;
        }
        if (children != nullptr) XFree(children);
    }
    return found;
}

bool XSession::waitForPixelAtTwips(Window w, int leftTwips, int topTwips, Rgb colour, int ms) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (pixelAtTwips(w, leftTwips, topTwips) == colour) return true;
        if (std::chrono::steady_clock::now() >= limit) return false;
        pause(50);
    }
}

Window XSession::waitForWindow(const std::string& wanted, int ms) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < limit) {
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        pump();
        if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) !=
            0) {
            for (unsigned int i = 0; i < count; ++i) {
                if (isMapped(children[i]) && title(children[i]) == wanted) {
                    const Window found = children[i];
                    XFree(children);
                    pause(300);  // let it paint
                    return found;
                }
            }
            if (children != nullptr) XFree(children);
        }
        pause(50);
    }
    return 0;
}

Rgb XSession::pixel(Window w, int x, int y) {
    pump();
    XImage* image = XGetImage(display_, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) throw std::runtime_error("cannot read the window's pixels");
    const unsigned long p = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return Rgb{static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
               static_cast<int>(p & 0xFF)};
}

void XSession::screenshot(Window w, const std::string& path) {
    pump();
    XWindowAttributes a;
    XGetWindowAttributes(display_, w, &a);
    XImage* image = XGetImage(display_, w, 0, 0, static_cast<unsigned>(a.width),
                              static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
    if (image == nullptr) return;
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << a.width << ' ' << a.height << "\n255\n";
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            const char rgb[3] = {static_cast<char>((p >> 16) & 0xFF),
                                 static_cast<char>((p >> 8) & 0xFF), static_cast<char>(p & 0xFF)};
            out.write(rgb, 3);
        }
    }
    XDestroyImage(image);
}

void XSession::clickAtTwips(Window w, int leftTwips, int topTwips) {
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display_, w, DefaultRootWindow(display_), leftTwips / 15, topTwips / 15,
                          &rootX, &rootY, &child);
    run("xdotool mousemove " + std::to_string(rootX) + " " + std::to_string(rootY) + " click 1");
    // Away from the controls, so that no pointer covers what is read next.
    run("xdotool mousemove 5 5");
    pause(150);
}

void XSession::pressKey(const std::string& key) {
    run("xdotool key " + key);
    pause(300);
}

void XSession::requestClose(Window w) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, w, False, NoEventMask, &e);
    pump();
}

}  // namespace e2e
