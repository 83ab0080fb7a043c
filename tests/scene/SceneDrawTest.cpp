#include <GL/glu.h>
#include <gtest/gtest.h>

#include "TestWindow.h"
#include "app/AppState.h"
#include "app/FrameLoop.h"

TEST(SceneDraw, UntexturedGroundTakesTheRollersColour) {
    testwindow::resetToProgramState();
    Scene scene;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    gluLookAt(0, 500, 250, 0, 500 - 0.7071, 250 - 0.7071, 0, 0.7071, -0.7071);
    scene.draw();
    glPopMatrix();
    // The bottom-left corner of the window looks at open ground in front of the blocks.
    const auto ground = testwindow::readPixel(5, 5);
    EXPECT_EQ(ground.r, 0);
    EXPECT_EQ(ground.g, 255);
    EXPECT_EQ(ground.b, 255);
}
