#pragma once

#include <string>

// Asks a window to close, as a window manager's close button does (WM_DELETE_WINDOW); GLUT then
// ends the program through exit(), so buffered output is written and exit-time checks run. Kept
// apart from the rest because Xlib's macros clash with GoogleTest's names. False if the display
// cannot be reached.
bool askWindowToClose(const std::string& windowId);
