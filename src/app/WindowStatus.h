#pragma once

// Starts following whether the window is shown: a hidden window lets go of the steering buttons
// and rests the frame loop until it is shown again. Needs the window to exist.
void followWindowStatus();

// GLUT window-status callback; state is one of GLUT_HIDDEN, GLUT_FULLY_RETAINED,
// GLUT_PARTIALLY_RETAINED and GLUT_FULLY_COVERED.
void windowStatus(int state);
