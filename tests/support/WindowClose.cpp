#include "WindowClose.h"

#include <cstdlib>

#include "DeleteWindowRequest.h"

bool askWindowToClose(const std::string& windowId) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    const bool sent = sendDeleteWindow(display, std::strtoul(windowId.c_str(), nullptr, 10));
    XCloseDisplay(display);
    return sent;
}
