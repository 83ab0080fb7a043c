#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "GlTransform.h"
#include "TestWindow.h"
#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "scene/WorldLayout.h"

namespace {

struct WindowPoint {
    double x, y;
};

// Where a world point lands in the window, y up from the bottom, with the matrices the camera
// sets; the modelview is rebuilt here since display() leaves none behind.
WindowPoint project(double x, double y, double z) {
    glPushMatrix();
    const Vector3 centre(eye.x + viewDir.x, eye.y + viewDir.y, eye.z + viewDir.z);
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
    const gltransform::Transform camera = gltransform::currentTransform();
    glPopMatrix();
    WindowPoint p{};
    double depth = 0;
    camera.toWindow(x, y, z, p.x, p.y, depth);
    return p;
}

// The software renderer keeps the frame in the back buffer after display() swaps, while its
// front buffer cannot be read back from an off-screen window.
Rgb shownPixel(double x, double y) {
    EXPECT_TRUE(x >= 0 && x < 640 && y >= 0 && y < 480)
        << "(" << x << ", " << y << ") is off the window";
    return testwindow::readPixel(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

// Fills the back buffer with a colour the program never draws, so that a pixel display() did
// not draw cannot pass for one it did.
void paintMarker() {
    GLfloat programClear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, programClear);
    glClearColor(1.0f, 0.0f, 0.5f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(programClear[0], programClear[1], programClear[2], programClear[3]);
}

void expectColour(const Rgb& pixel, int r, int g, int b) { EXPECT_EQ(pixel, (Rgb{r, g, b})); }

bool isIdentity(GLenum which) {
    const gltransform::Matrix m = gltransform::currentMatrix(which);
    for (int i = 0; i < 16; ++i) {
        if (m[i] != (i % 5 == 0 ? 1.0 : 0.0)) return false;
    }
    return true;
}

}  // namespace

TEST(Display, ShowsTheGroundFromTheCameraOverTheGreyBackground) {
    testwindow::resetToProgramState();
    paintMarker();
    display();

    // Beyond the ground's far edge the view ends in the background, a quarter grey.
    const WindowPoint farEdge = project(-200, 0, -500);
    ASSERT_GT(farEdge.y, 0);
    ASSERT_LT(farEdge.y + 10, 480);
    for (const Rgb& shown :
         {shownPixel(farEdge.x, farEdge.y + 10), shownPixel(5, 475), shownPixel(635, 475)}) {
        EXPECT_TRUE(isBackground(shown)) << shown;
    }

    // Just on the near side of that edge, and in the open in front of the blocks, is the
    // untextured ground in the roller's cyan.
    expectColour(shownPixel(farEdge.x, farEdge.y - 4), 0, 255, 255);
    const WindowPoint openGround = project(-120, 0, -100);
    expectColour(shownPixel(openGround.x, openGround.y), 0, 255, 255);

    // The frame leaves the modelview matrix as it found it: the identity.
    EXPECT_TRUE(isIdentity(GL_MODELVIEW_MATRIX));
}

TEST(Display, LooksWhereTheCameraGlobalsPoint) {
    testwindow::resetToProgramState();
    // Looking straight up from above the ground there is nothing but background.
    eye = Vector3(0.0f, 100.0f, 0.0f);
    viewDir = Vector3(0.0f, 1.0f, 0.0f);
    up = Vector3(0.0f, 0.0f, -1.0f);
    paintMarker();
    display();
    for (const auto& at : {WindowPoint{5, 5}, WindowPoint{320, 240}, WindowPoint{630, 470}}) {
        EXPECT_TRUE(isBackground(shownPixel(at.x, at.y))) << shownPixel(at.x, at.y);
    }

    // Straight down from high above the roller, the picture's middle is the roller's top and
    // the rest of the view is ground.
    eye = Vector3(worldRoller.x, 3000.0f, worldRoller.z);
    viewDir = Vector3(0.0f, -1.0f, 0.0f);
    paintMarker();
    display();
    expectColour(shownPixel(320, 240), 0, 255, 255);
    const WindowPoint beside = project(-250, 0, 300);
    expectColour(shownPixel(beside.x, beside.y), 0, 255, 255);
    const CubeLayout& blue = worldCubes[2];
    const WindowPoint blueTop = project(blue.x, blue.y + blue.hy, blue.z);
    expectColour(shownPixel(blueTop.x, blueTop.y), 0, 0, 255);
    EXPECT_TRUE(isIdentity(GL_MODELVIEW_MATRIX));
}
