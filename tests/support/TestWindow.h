#pragma once

#include <array>

#include "Rgb.h"

// A real GLUT window on the current display, opened once per test process with the program's
// own display mode and size, for drawing with the program's code and reading the pixels back.
namespace testwindow {

// Opens the window (only the first call does anything) and makes its context current.
void open();

// The OpenGL state and the starting camera, set up afresh by the program's own init steps.
void resetToProgramState();

// gluLookAt's nine arguments for the starting camera, worked out as display() does: the centre
// is eye + viewDir in single precision, and all nine are then widened to double.
std::array<double, 9> startingLookAt();

// Reads one pixel of the back buffer after finishing all drawing; y counts up from the bottom.
Rgb readPixel(int x, int y);

}  // namespace testwindow
