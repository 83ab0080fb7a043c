#include "TestWindow.h"

#include <GL/freeglut.h>
#include <dlfcn.h>

#include <cstdlib>
#include <initializer_list>

#include "app/AppState.h"
#include "app/Init.h"
#include "app/ProgramWindow.h"
#include "app/StartingCamera.h"

namespace testwindow {

namespace {

int window = 0;

// Mesa unloads its driver at exit, after which the leak checker can no longer tell the driver's
// own allocations from ours. Keeping it loaded lets the suppressions name it.
void pinSoftwareDriver() {
    for (const char* path : {"/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", "swrast_dri.so"}) {
        if (dlopen(path, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE) != nullptr) return;
    }
}

void drawNothing() {}

// Drawing goes to the back buffer, which works just as well in a window that is not shown. A
// shown one would carry the program's titles once a test sets a projection, so the tests that
// look for the real program's window by title could find this one instead, and it could lie
// over the real window when suites run side by side.
void hideWindow() {
    glutDisplayFunc(drawNothing);
    glutHideWindow();
    glutMainLoopEvent();
}

void closeWindow() {
    if (window != 0) glutDestroyWindow(window);
    window = 0;
    glutExit();
}

}  // namespace

void open() {
    static bool opened = false;
    if (opened) return;
    pinSoftwareDriver();
    int argc = 1;
    char name[] = "rolling-cube-tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    window = createProgramWindow("Rolling Cube test window");
    hideWindow();
    std::atexit(closeWindow);
    opened = true;
}

void resetToProgramState() {
    open();
    // What earlier tests may have changed beyond the program's own set-up: the viewport, the
    // modelview matrix and the buffers drawn into and read from.
    glViewport(0, 0, windowWidth, windowHeight);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDrawBuffer(GL_BACK);
    glReadBuffer(GL_BACK);
    setUpGlState();
    placeStartingCamera();
}

std::array<double, 9> startingLookAt() {
    const Vector3 centre = startingEye + startingViewDir;
    return {startingEye.x, startingEye.y, startingEye.z, centre.x,    centre.y,
            centre.z,      startingUp.x,  startingUp.y,  startingUp.z};
}

Rgb readPixel(int x, int y) {
    glFinish();
    unsigned char pixel[4] = {0, 0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    return {pixel[0], pixel[1], pixel[2]};
}

}  // namespace testwindow
