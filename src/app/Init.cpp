#include "app/Init.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "app/AppState.h"
#include "app/Clock.h"
#include "app/PicturePath.h"
#include "app/Projection.h"
#include "app/StartingCamera.h"
#include "app/StartupPictures.h"
#include "platform/Console.h"

namespace {

// Each text is written out at once, whatever standard output is: on a terminal the user sees
// which file is being read, and a log file or pipe keeps every line even if the program is
// killed later.
void loadOne(const StartupPicture& picture, Scene& scene) {
    platform::print("Loading %s texture... ", picture.what);
    std::fflush(stdout);
    const std::string path = std::string(pictureFolder) + picture.file;
    if ((scene.*picture.load)(picturePath(path.c_str()).c_str()) == 1) {
        platform::print("Success\n");
    }
    std::fflush(stdout);
}

}  // namespace

void loadStartupTextures(Scene& scene) {
    for (const StartupPicture& picture : startupPictures) loadOne(picture, scene);
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
