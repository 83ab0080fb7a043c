#include "app/WindowStatus.h"

#include <GL/freeglut.h>

#include "app/FrameLoop.h"
#include "app/MouseSteering.h"

void followWindowStatus() { glutWindowStatusFunc(windowStatus); }

void windowStatus(int state) {
    // GLUT reports an unmapped or minimised window as hidden. A window that is merely covered
    // keeps the pointer grab of a held button, so its release still comes here.
    if (state == GLUT_HIDDEN) {
        // A release while hidden goes to another window and would never reach mouse().
        releaseSteeringButtons();
        // Nothing is drawn while hidden, so the frame loop would only spin. lastTime is left
        // alone: the first step after showing takes the whole pause, like any long pause.
        glutIdleFunc(nullptr);
    } else {
        glutIdleFunc(idle);
    }
}
