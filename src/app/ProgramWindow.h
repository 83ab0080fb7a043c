#pragma once

// Opens the program's one window: double-buffered RGB with a depth buffer, 640 x 480 at
// (50, 100), with the given title, and makes its context current. GLUT must be initialised.
// The program, the tests and the benchmarks all open their window here, so that they draw into
// the same kind of window. Returns GLUT's window number.
int createProgramWindow(const char* title);
