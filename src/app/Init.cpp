#include "app/Init.h"

#include <GL/gl.h>

#include <cstdio>

#include "app/AppState.h"
#include "app/Clock.h"
#include "app/PicturePath.h"
#include "app/Projection.h"
#include "app/StartingCamera.h"
#include "platform/Console.h"

namespace {

// Each text is written out at once, whatever standard output is: on a terminal the user sees
// which file is being read, and a log file or pipe keeps every line even if the program is
// killed later.
void loadOne(const char* what, int (Scene::*load)(const char*), Scene& scene, const char* path) {
    platform::print("Loading %s texture... ", what);
    std::fflush(stdout);
    if ((scene.*load)(picturePath(path).c_str()) == 1) platform::print("Success\n");
    std::fflush(stdout);
}

}  // namespace

void loadStartupTextures(Scene& scene) {
    loadOne("cube", &Scene::loadCubeTexture, scene, "Textures/Noise.bmp");
    loadOne("ground", &Scene::loadGroundTexture, scene, "Textures/Grass.bmp");
    loadOne("roller", &Scene::loadRollerTexture, scene, "Textures/Spot.bmp");
}

void setUpGlState() {
    glClearColor(0.25f, 0.25f, 0.25f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    setPerspective();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
}

void placeStartingCamera() {
    eye = startingEye;
    viewDir = startingViewDir;
    up = startingUp;
}

void startClock() { lastTime = currentMillis(); }

void init() {
    setUpGlState();
    placeStartingCamera();
    loadStartupTextures(theScene);
    startClock();
}
