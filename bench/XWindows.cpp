#include "XWindows.h"

#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "Timing.h"

namespace {

// The window may be unmapped or gone between two looks at it; that is not worth dying for.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

// A channel of the clear colour 0.25, which a renderer may round either way.
bool isClearChannel(unsigned long value) { return value == 63 || value == 64; }

unsigned long channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    while ((mask & 1u) == 0) {
        mask >>= 1;
        pixel >>= 1;
    }
    return pixel & mask;
}

}  // namespace

Display* openWatchedDisplay() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display; is DISPLAY set?\n");
        std::exit(1);
    }
    XSetErrorHandler(ignoreXError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    return display;
}

Window waitForMappedWindow(Display* display, double timeoutMs) {
    const double deadline = nowMs() + timeoutMs;
    while (nowMs() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) return event.xmap.window;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return 0;
}

bool showsClearColour(Display* display, Window window, int minimumPixels) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 ||
        attributes.map_state != IsViewable) {
        return false;
    }
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    int found = 0;
    for (int y = 0; y < image->height && found < minimumPixels; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            if (isClearChannel(channel(pixel, image->red_mask)) &&
                isClearChannel(channel(pixel, image->green_mask)) &&
                isClearChannel(channel(pixel, image->blue_mask))) {
                ++found;
            }
        }
    }
    XDestroyImage(image);
    return found >= minimumPixels;
}
