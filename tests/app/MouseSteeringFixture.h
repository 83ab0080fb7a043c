#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "TestVec.h"
#include "TestWindow.h"
#include "app/AppState.h"
#include "app/MouseSteering.h"
#include "app/StartingCamera.h"

// Every case starts from the program's starting camera with no button held. The window must be
// open because the callbacks post redisplays to the current window.
class MouseSteering : public ::testing::Test {
  protected:
    void SetUp() override {
        testwindow::open();
        eye = startingEye;
        viewDir = startingViewDir;
        up = startingUp;
        lastMouseX = 0;
        lastMouseY = 0;
        leftButtonDown = false;
        rightButtonDown = false;
    }
};

// Rodrigues' rotation written as v cos + (k x v) sin + k (k.v)(1 - cos).
inline Vec rotated(const Vec& v, const Vec& axis, double angle) {
    const Vec k = normalised(axis);
    const Vec kv = crossed(k, v);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double along = dot(k, v) * (1.0 - c);
    return {v.x * c + kv.x * s + k.x * along, v.y * c + kv.y * s + k.y * along,
            v.z * c + kv.z * s + k.z * along};
}

inline void expectNear(const Vector3& actual, const Vec& expected, double tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

inline bool sameBits(const Vector3& a, const Vector3& b) {
    return std::memcmp(&a.x, &b.x, sizeof(float)) == 0 &&
           std::memcmp(&a.y, &b.y, sizeof(float)) == 0 &&
           std::memcmp(&a.z, &b.z, sizeof(float)) == 0;
}
