#include <gtest/gtest.h>

#include <cstdint>

#include "TestWindow.h"
#include "app/AppState.h"
#include "app/Clock.h"
#include "app/FrameLoop.h"
#include "app/MouseSteering.h"
#include "app/StartingCamera.h"
#include "scene/RollDirection.h"

namespace {

// Puts the camera at its start, the roller a third of the way into a roll towards +x and the
// left button down, so that any time step shows as movement of both; undoes it afterwards.
class Idle : public testing::Test {
  protected:
    void SetUp() override {
        testwindow::resetToProgramState();
        activeScene = &theScene;
        saved_ = *theScene.roller;
        theScene.roller->direction = RollPosX;
        theScene.roller->angle = 30.0f;
        leftButtonDown = true;
        rightButtonDown = false;
    }

    void TearDown() override {
        leftButtonDown = false;
        *theScene.roller = saved_;
    }

    void expectNothingMoved(const Vector3& eyeBefore, const Vector3& rollerBefore) {
        EXPECT_EQ(eye.x, eyeBefore.x);
        EXPECT_EQ(eye.y, eyeBefore.y);
        EXPECT_EQ(eye.z, eyeBefore.z);
        EXPECT_EQ(theScene.roller->angle, 30.0f);
        EXPECT_EQ(theScene.roller->direction, RollPosX);
        EXPECT_EQ(theScene.roller->position.x, rollerBefore.x);
        EXPECT_EQ(theScene.roller->position.z, rollerBefore.z);
    }

  private:
    Roller saved_{0, 0, 0, 0, 0, 0, 0};
};

}  // namespace

TEST_F(Idle, TwoCallsInTheSameMillisecondMoveNothing) {
    int sameMillisecond = 0;
    for (int attempt = 0; attempt < 200 && sameMillisecond < 20; ++attempt) {
        lastTime = currentMillis();
        const int32_t previousCall = lastTime;
        const Vector3 eyeBefore = eye;
        const Vector3 rollerBefore = theScene.roller->position;
        idle();
        // Only calls that really fell in the same millisecond count; the others are repeated.
        if (lastTime != previousCall) {
            theScene.roller->angle = 30.0f;
            eye = eyeBefore;
            continue;
        }
        ++sameMillisecond;
        expectNothingMoved(eyeBefore, rollerBefore);
    }
    EXPECT_GT(sameMillisecond, 0) << "no two idle calls fell in the same millisecond";
}

TEST_F(Idle, AClockThatStepsBackMovesNothing) {
    const int32_t now = currentMillis();
    lastTime = now + 5000;
    const Vector3 eyeBefore = eye;
    const Vector3 rollerBefore = theScene.roller->position;
    idle();
    expectNothingMoved(eyeBefore, rollerBefore);
    // The next step is measured from the reading taken now, not from the one in the future.
    EXPECT_GE(lastTime, now);
    EXPECT_LT(lastTime, now + 5000);
}

TEST_F(Idle, AdvancesTheRollerAndTheCameraByTheElapsedSeconds) {
    lastTime = currentMillis() - 80;
    const int32_t previousCall = lastTime;
    const Vector3 eyeBefore = eye;
    const Vector3 rollerBefore = theScene.roller->position;
    idle();

    const int32_t elapsed = lastTime - previousCall;
    ASSERT_GE(elapsed, 80);
    const float dt = static_cast<float>(elapsed) * 0.001f;
    // 500 units a second along viewDir, the roller at 180 degrees a second.
    EXPECT_NEAR(eye.y, eyeBefore.y + startingViewDir.y * 500.0f * dt, 1e-3);
    EXPECT_NEAR(eye.z, eyeBefore.z + startingViewDir.z * 500.0f * dt, 1e-3);
    EXPECT_EQ(eye.x, eyeBefore.x);
    const float angle = 30.0f + dt * 180.0f;
    if (angle < 90.0f) {
        EXPECT_FLOAT_EQ(theScene.roller->angle, angle);
        EXPECT_EQ(theScene.roller->position.x, rollerBefore.x);
    } else {
        // The machine stalled for a third of a second: the roll had to end in this step.
        EXPECT_EQ(theScene.roller->position.x, rollerBefore.x + 100.0f);
    }
}
