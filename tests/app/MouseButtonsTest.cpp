#include <GL/freeglut.h>

#include "MouseSteeringFixture.h"

TEST_F(MouseSteering, ButtonsSetAndClearTheirOwnFlagAndEveryEventMovesTheLastPosition) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 20);
    EXPECT_TRUE(leftButtonDown);
    EXPECT_FALSE(rightButtonDown);
    mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 30, 40);
    EXPECT_TRUE(leftButtonDown);
    EXPECT_TRUE(rightButtonDown);
    EXPECT_EQ(lastMouseX, 30);
    EXPECT_EQ(lastMouseY, 40);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 50, 60);
    EXPECT_FALSE(leftButtonDown);
    EXPECT_TRUE(rightButtonDown);
    EXPECT_EQ(lastMouseX, 50);
    EXPECT_EQ(lastMouseY, 60);
    mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 70, 80);
    EXPECT_FALSE(rightButtonDown);
    EXPECT_EQ(lastMouseX, 70);
    EXPECT_EQ(lastMouseY, 80);
}

TEST_F(MouseSteering, MiddleButtonSetsNoFlagAndItsDragDoesNothing) {
    const Vector3 view = viewDir;
    const Vector3 upBefore = up;
    const Vector3 eyeBefore = eye;
    mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 100, 100);
    EXPECT_FALSE(leftButtonDown);
    EXPECT_FALSE(rightButtonDown);
    // The position is taken from every button's events, the middle one's too.
    EXPECT_EQ(lastMouseX, 100);
    EXPECT_EQ(lastMouseY, 100);

    motion(40, 170);
    EXPECT_TRUE(sameBits(viewDir, view));
    EXPECT_TRUE(sameBits(up, upBefore));
    // With no steering button held a motion event is ignored entirely, position included.
    EXPECT_EQ(lastMouseX, 100);
    EXPECT_EQ(lastMouseY, 100);
    flyCamera(0.5f);
    EXPECT_TRUE(sameBits(eye, eyeBefore));

    mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 40, 170);
    EXPECT_FALSE(leftButtonDown);
    EXPECT_FALSE(rightButtonDown);

    // Nor does its release let go of a steering button that is still held.
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 40, 170);
    mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 40, 170);
    mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 40, 170);
    EXPECT_TRUE(leftButtonDown);
    EXPECT_FALSE(rightButtonDown);
}

TEST_F(MouseSteering, BothButtonsTurnButDoNotFly) {
    const Vector3 eyeBefore = eye;
    const Vector3 view = viewDir;
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 200);
    mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 300, 200);
    motion(280, 190);
    EXPECT_GT(length({viewDir.x - view.x, viewDir.y - view.y, viewDir.z - view.z}), 0.1);
    flyCamera(0.25f);
    EXPECT_TRUE(sameBits(eye, eyeBefore));

    // Letting go of one of them leaves a single button held, which flies again.
    mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 280, 190);
    flyCamera(0.25f);
    EXPECT_FALSE(sameBits(eye, eyeBefore));
}

TEST_F(MouseSteering, MotionAfterReleaseTurnsNothing) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 200);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 310, 200);
    const Vector3 view = viewDir;
    motion(100, 50);
    EXPECT_TRUE(sameBits(viewDir, view));
    EXPECT_EQ(lastMouseX, 310);
}
