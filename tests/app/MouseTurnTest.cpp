#include <GL/freeglut.h>

#include <cmath>

#include "MouseSteeringFixture.h"

namespace {

const Vec startView = toVec(startingViewDir);
const Vec startUp = toVec(startingUp);

double angleBetween(const Vec& a, const Vec& b) {
    return std::acos(dot(a, b) / (length(a) * length(b)));
}

}  // namespace

TEST_F(MouseSteering, PressWithoutMovingTurnsNothing) {
    const Vector3 view = viewDir;
    const Vector3 upBefore = up;
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 150);
    EXPECT_TRUE(leftButtonDown);
    EXPECT_EQ(lastMouseX, 200);
    EXPECT_EQ(lastMouseY, 150);
    EXPECT_TRUE(sameBits(viewDir, view));
    EXPECT_TRUE(sameBits(up, upBefore));

    // A motion event at the press position turns by zero radians.
    motion(200, 150);
    EXPECT_FLOAT_EQ(viewDir.x, view.x);
    EXPECT_FLOAT_EQ(viewDir.y, view.y);
    EXPECT_FLOAT_EQ(viewDir.z, view.z);
    EXPECT_FLOAT_EQ(up.x, upBefore.x);
    EXPECT_FLOAT_EQ(up.y, upBefore.y);
    EXPECT_FLOAT_EQ(up.z, upBefore.z);
}

TEST_F(MouseSteering, HundredPixelsLeftTurnsOneRadianLeftAboutUp) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 200);
    motion(200, 200);
    EXPECT_EQ(lastMouseX, 200);
    EXPECT_EQ(lastMouseY, 200);
    expectNear(viewDir, rotated(startView, startUp, 1.0), 1e-6);
    EXPECT_NEAR(angleBetween(toVec(viewDir), startView), 1.0, 1e-5);
    // Turning left from a camera looking towards -z swings the view towards -x.
    EXPECT_LT(viewDir.x, -0.5f);
    expectNear(up, startUp, 1e-6);
}

TEST_F(MouseSteering, DragRightInStepsAddsUpToTheSameTurn) {
    mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 100, 200);
    for (int x = 110; x <= 200; x += 10) motion(x, 200);
    expectNear(viewDir, rotated(startView, startUp, -1.0), 1e-5);
    EXPECT_GT(viewDir.x, 0.5f);
    expectNear(up, startUp, 1e-5);
}

TEST_F(MouseSteering, VerticalDragFromTheStartTiltsAboutWorldXAndTakesUpAlong) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 200);
    motion(300, 150);  // 50 pixels up
    const Vec worldX{1.0, 0.0, 0.0};
    // The camera's right axis is the world's x axis here, so nothing gains an x component.
    EXPECT_EQ(viewDir.x, 0.0f);
    EXPECT_EQ(up.x, 0.0f);
    expectNear(viewDir, rotated(startView, worldX, 0.5), 1e-6);
    expectNear(up, rotated(startUp, worldX, 0.5), 1e-6);
    EXPECT_GT(viewDir.y, static_cast<float>(startView.y));
    EXPECT_NEAR(dot(toVec(viewDir), toVec(up)), 0.0, 1e-6);
}

TEST_F(MouseSteering, DiagonalDragTurnsFirstThenTiltsAboutTheTurnedRightAxis) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 200);
    motion(270, 220);  // 30 pixels left, 20 down
    const Vec turned = rotated(startView, startUp, 0.3);
    const Vec right = crossed(turned, startUp);
    expectNear(viewDir, rotated(turned, right, -0.2), 1e-6);
    expectNear(up, rotated(startUp, right, -0.2), 1e-6);

    // The right axis taken before the turn would tilt the view somewhere measurably different.
    const Vec staleRight = rotated(turned, {1, 0, 0}, -0.2);
    EXPECT_GT(
        length({staleRight.x - viewDir.x, staleRight.y - viewDir.y, staleRight.z - viewDir.z}),
        1e-2);
}

TEST_F(MouseSteering, TurnAnglesArePixelsTimesSinglePrecisionHundredth) {
    // float(30) * 0.01f and float(20) * 0.01f are each one float below 0.3 and 0.2, which moves
    // the result by a bit or more compared with angles rounded from double.
    const Vector3 startViewDir = viewDir;
    const Vector3 startUpDir = up;
    auto steer = [&](float yaw, float pitch, Vector3& view, Vector3& upDir) {
        view = startViewDir;
        upDir = startUpDir;
        turnView(view, upDir, yaw, pitch);
    };
    Vector3 expectedView, expectedUp;
    steer(30.0f * 0.01f, -20.0f * 0.01f, expectedView, expectedUp);
    Vector3 roundedView, roundedUp;
    steer(0.3f, -0.2f, roundedView, roundedUp);
    ASSERT_FALSE(sameBits(expectedView, roundedView) && sameBits(expectedUp, roundedUp));

    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 200);
    motion(270, 220);
    EXPECT_TRUE(sameBits(viewDir, expectedView));
    EXPECT_TRUE(sameBits(up, expectedUp));
}
