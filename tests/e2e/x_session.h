// A player at an X display, for the end-to-end test: sees which windows the game maps, reads
// their pixels, clicks and types through xdotool, and closes windows the way a close box does.
#pragma once

#include <X11/Xlib.h>

#include <string>

namespace e2e {

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Waits up to `ms` for a window with this title to be mapped; returns it, or 0.
    Window waitForWindow(const std::string& title, int ms);
    bool isMapped(Window w);
    // The windows with this title mapped now.
    int countWindows(const std::string& title);
    std::string title(Window w);

    // The colour at (x, y) pixels of the window's client area.
    Rgb pixel(Window w, int x, int y);
    // The colour at twips (15 to a pixel) of the client area.
    Rgb pixelAtTwips(Window w, int leftTwips, int topTwips) {
        return pixel(w, leftTwips / 15, topTwips / 15);
    }
    // Waits up to `ms` for the colour at twips of the client area; tells whether it came.
    bool waitForPixelAtTwips(Window w, int leftTwips, int topTwips, Rgb colour, int ms);
    // Saves the window as a PPM picture.
    void screenshot(Window w, const std::string& path);

    void clickAtTwips(Window w, int leftTwips, int topTwips);
    void pressKey(const std::string& key);
    // What a window manager sends when the close box is clicked.
    void requestClose(Window w);

private:
    void pump();
    Display* display_;
};

}  // namespace e2e
