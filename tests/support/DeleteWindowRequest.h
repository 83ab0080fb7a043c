#pragma once

#include <X11/Xlib.h>

// Asks the window to close the way a window manager's close button does (WM_DELETE_WINDOW),
// which GLUT answers by ending the program through exit(), so buffered output is written and
// exit-time checks such as leak reports run. Shared by the tests and the benchmarks. False if
// the request could not be sent.
bool sendDeleteWindow(Display* display, Window window);
