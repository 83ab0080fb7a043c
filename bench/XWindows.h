#pragma once

#include <X11/Xlib.h>

#include "WindowClose.h"

// Small Xlib helpers for watching and closing the program's window from outside it.

// Opens the display named by DISPLAY and asks to hear of every top-level window mapped on it;
// exits with a message if there is no display.
Display* openWatchedDisplay();

// Waits until a top-level window is mapped and returns it, or 0 after timeoutMs.
Window waitForMappedWindow(Display* display, double timeoutMs);

// Whether the window's pixels show the program's clear colour (0.25 grey) on at least
// minimumPixels pixels: true once a frame of the program has reached the screen.
bool showsClearColour(Display* display, Window window, int minimumPixels);
