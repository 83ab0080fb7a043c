#include "app/Init.h"

#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>

#include "app/AppState.h"
#include "app/Clock.h"
#include "app/Projection.h"
#include "app/StartingCamera.h"

namespace {

// On a terminal each text shows at once, so the user sees which file is being read. Asked
// anew every time: standard output may be redirected after the first load.
void showNow() {
    if (isatty(fileno(stdout)) != 0) std::fflush(stdout);
}

void loadOne(const char* what, int (Scene::*load)(const char*), Scene& scene, const char* path) {
    std::printf("Loading %s texture... ", what);
    showNow();
    if ((scene.*load)(path) == 1) std::printf("Success\n");
    showNow();
}

}  // namespace

void loadStartupTextures(Scene& scene) {
    loadOne("cube", &Scene::loadCubeTexture, scene, "Textures/Noise.bmp");
    loadOne("ground", &Scene::loadGroundTexture, scene, "Textures/Grass.bmp");
    loadOne("roller", &Scene::loadRollerTexture, scene, "Textures/Spot.bmp");
}

void init() {
    glClearColor(0.25f, 0.25f, 0.25f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    setPerspective();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

    eye = startingEye;
    viewDir = startingViewDir;
    up = startingUp;

    loadStartupTextures(theScene);
    lastTime = currentMillis();
}
