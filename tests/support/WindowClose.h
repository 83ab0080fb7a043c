#pragma once

#include <string>

// Xlib's Display. Its header stays out of this one: Xlib's macros clash with GoogleTest's names.
struct _XDisplay;

// Asks a window to close, as a window manager's close button does (WM_DELETE_WINDOW); GLUT then
// ends the program through exit(), so buffered output is written and exit-time checks run.
// False if the request could not be sent.
bool askWindowToClose(_XDisplay* display, unsigned long window);

// The same over a connection of its own to the display DISPLAY names; false also if that cannot
// be reached.
bool askWindowToClose(const std::string& windowId);
