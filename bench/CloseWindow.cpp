// close-window WINDOW_ID: closes a window the way a window manager's close button does. The
// program then ends through exit(), which a plain kill would skip, and with it the exit-time
// leak checks of Valgrind and LeakSanitizer.
#include <cstdio>
#include <cstdlib>

#include "XWindows.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: close-window WINDOW_ID\n");
        return 2;
    }
    char* end = nullptr;
    const unsigned long window = std::strtoul(argv[1], &end, 0);
    if (end == argv[1] || *end != '\0' || window == 0) {
        std::fprintf(stderr, "close-window: not a window id: %s\n", argv[1]);
        return 2;
    }
    Display* display = openWatchedDisplay();
    askWindowToClose(display, window);
    XCloseDisplay(display);
    return 0;
}
