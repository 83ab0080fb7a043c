#include <GL/freeglut.h>

#include <cmath>
#include <random>

#include "MouseSteeringFixture.h"

// Nothing renormalises the camera vectors, so rounding builds up over a long session; it must
// stay small enough that the view neither degenerates nor skews noticeably.
TEST_F(MouseSteering, ThousandsOfRandomDragsKeepTheCameraVectorsSound) {
    const double viewLength = length(toVec(viewDir));
    const double upLength = length(toVec(up));
    std::mt19937 random(20240604);
    std::uniform_int_distribution<int> position(0, 639);
    std::uniform_int_distribution<int> button(0, 2);
    std::uniform_int_distribution<int> steps(1, 40);
    const int buttons[] = {GLUT_LEFT_BUTTON, GLUT_MIDDLE_BUTTON, GLUT_RIGHT_BUTTON};

    int moves = 0;
    for (int drag = 0; drag < 500; ++drag) {
        const int pressed = buttons[button(random)];
        mouse(pressed, GLUT_DOWN, position(random), position(random) % 480);
        const int count = steps(random);
        for (int i = 0; i < count; ++i, ++moves) motion(position(random), position(random) % 480);
        mouse(pressed, GLUT_UP, lastMouseX, lastMouseY);

        const Vec v = toVec(viewDir);
        const Vec u = toVec(up);
        ASSERT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z));
        ASSERT_TRUE(std::isfinite(u.x) && std::isfinite(u.y) && std::isfinite(u.z));
    }
    ASSERT_GT(moves, 5000);

    const Vec v = toVec(viewDir);
    const Vec u = toVec(up);
    EXPECT_NEAR(length(v), viewLength, 1e-3);
    EXPECT_NEAR(length(u), upLength, 1e-3);
    EXPECT_NEAR(dot(v, u) / (length(v) * length(u)), 0.0, 1e-3);
}
