#include "WindowClose.h"

#include <X11/Xlib.h>

#include <cstdlib>

bool askWindowToClose(Display* display, unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    return sent != 0;
}

bool askWindowToClose(const std::string& windowId) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    const bool sent = askWindowToClose(display, std::strtoul(windowId.c_str(), nullptr, 10));
    XCloseDisplay(display);
    return sent;
}
