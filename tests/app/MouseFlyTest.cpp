#include <GL/freeglut.h>

#include "MouseSteeringFixture.h"

namespace {

// The fly step as a float computation in a fixed order: the view direction times the speed,
// rounded, then times the time step, rounded, then added to or taken from the position.
Vector3 step(const Vector3& view, float dt) {
    const float vx = view.x * 500.0f;
    const float vy = view.y * 500.0f;
    const float vz = view.z * 500.0f;
    return {vx * dt, vy * dt, vz * dt};
}

// The same product with the speed and the time step multiplied first.
Vector3 otherOrder(const Vector3& view, float dt) {
    const float distance = 500.0f * dt;
    return {view.x * distance, view.y * distance, view.z * distance};
}

// A camera that has been turned a little, so that no component is a round number.
void turnTheCamera() {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 200);
    motion(263, 171);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 263, 171);
}

}  // namespace

TEST_F(MouseSteering, LeftButtonAloneFliesForwardsByTheExactProduct) {
    turnTheCamera();
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 263, 171);
    int orderMatters = 0;
    // The time steps idle hands over: whole milliseconds times 0.001f.
    for (int ms = 1; ms <= 60; ++ms) {
        const float dt = static_cast<float>(ms) * 0.001f;
        const Vector3 before = eye;
        const Vector3 move = step(viewDir, dt);
        const Vector3 expected(before.x + move.x, before.y + move.y, before.z + move.z);
        flyCamera(dt);
        ASSERT_TRUE(sameBits(eye, expected)) << "dt = " << dt;
        if (!sameBits(move, otherOrder(viewDir, dt))) ++orderMatters;
    }
    // Some of these steps would land elsewhere if the product were formed in another order.
    EXPECT_GT(orderMatters, 0);
}

TEST_F(MouseSteering, RightButtonAloneFliesBackwardsByTheExactProduct) {
    turnTheCamera();
    mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 263, 171);
    for (int ms = 1; ms <= 60; ++ms) {
        const float dt = static_cast<float>(ms) * 0.001f;
        const Vector3 before = eye;
        const Vector3 move = step(viewDir, dt);
        const Vector3 expected(before.x - move.x, before.y - move.y, before.z - move.z);
        flyCamera(dt);
        ASSERT_TRUE(sameBits(eye, expected)) << "dt = " << dt;
    }
}

TEST_F(MouseSteering, OneSecondWithTheLeftButtonFliesAboutFiveHundredUnitsAlongTheView) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    for (int frame = 0; frame < 60; ++frame) flyCamera(static_cast<float>(16) * 0.001f);
    flyCamera(static_cast<float>(40) * 0.001f);
    // |viewDir| is 0.99999 and never renormalised, so the distance falls just short of 500.
    const Vec moved{eye.x - 0.0, eye.y - 500.0, eye.z - 250.0};
    EXPECT_NEAR(length(moved), 500.0 * length(toVec(viewDir)), 1e-2);
    EXPECT_NEAR(moved.x, 0.0, 1e-6);
    EXPECT_LT(moved.y, 0.0);
    EXPECT_LT(moved.z, 0.0);
}

TEST_F(MouseSteering, NeitherOrBothButtonsOrNoTimeLeaveTheCameraWhereItIs) {
    const Vector3 start = eye;
    flyCamera(0.016f);
    EXPECT_TRUE(sameBits(eye, start));

    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 0, 0);
    flyCamera(0.016f);
    flyCamera(2.0f);
    EXPECT_TRUE(sameBits(eye, start));

    mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 0, 0);
    flyCamera(0.0f);
    EXPECT_TRUE(sameBits(eye, start));

    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 0, 0);
    flyCamera(0.016f);
    EXPECT_TRUE(sameBits(eye, start));
}
