#pragma once

// The browser's GLUT comes with the standard GLUT header only; it declares every function the
// program calls, and web/GlutStandIns.cpp defines the ones the browser library lacks.
#include <GL/freeglut_std.h>
