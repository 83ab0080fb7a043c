#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "TestVec.h"
#include "TestWindow.h"
#include "app/AppState.h"
#include "app/Init.h"
#include "app/MouseSteering.h"
#include "app/StartingCamera.h"

// Every case starts from the program's starting camera with no button held. The window must be
// open because the callbacks post redisplays to the current window.
class MouseSteering : public ::testing::Test {
  protected:
    void SetUp() override {
        testwindow::open();
        placeStartingCamera();
        lastMouseX = 0;
        lastMouseY = 0;
        leftButtonDown = false;
        rightButtonDown = false;
    }
};

inline bool sameBits(const Vector3& a, const Vector3& b) {
    return std::memcmp(&a.x, &b.x, sizeof(float)) == 0 &&
           std::memcmp(&a.y, &b.y, sizeof(float)) == 0 &&
           std::memcmp(&a.z, &b.z, sizeof(float)) == 0;
}
