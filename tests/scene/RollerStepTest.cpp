#include <gtest/gtest.h>

#include <cstdlib>

#include "RandRecorder.h"
#include "RollerWorld.h"
#include "scene/Scene.h"

using rollerworld::Cell;
using rollerworld::cellOf;

namespace {

// A scene whose roller has made its first choice and stands at the start at angle 0.
struct StartedScene {
    StartedScene() {
        std::srand(1);
        scene.update(0.0f);
    }
    Scene scene;
    Roller& roller = *scene.roller;
};

}  // namespace

TEST(RollerStep, AZeroStepMovesNothing) {
    StartedScene s;
    ASSERT_NE(s.roller.direction, RollNone);  // the first update chooses even with no time
    const int direction = s.roller.direction;
    EXPECT_EQ(cellOf(s.roller), Cell(0, 0));
    EXPECT_EQ(s.roller.angle, 0.0f);

    s.scene.update(0.25f);  // half way
    randrecorder::start();
    for (int i = 0; i < 1000; ++i) s.scene.update(0.0f);
    EXPECT_TRUE(randrecorder::draws().empty());
    EXPECT_EQ(cellOf(s.roller), Cell(0, 0));
    EXPECT_EQ(s.roller.direction, direction);
    EXPECT_EQ(s.roller.angle, 45.0f);
}

TEST(RollerStep, ALongStepEndsTheRollAndDropsTheExcess) {
    StartedScene s;
    const int first = s.roller.direction;
    s.scene.update(100.0f);  // two hundred rolls' worth of time
    EXPECT_EQ(cellOf(s.roller), rollerworld::neighbour({0, 0}, first));
    EXPECT_EQ(s.roller.angle, 0.0f);
    EXPECT_NE(s.roller.direction, RollNone);

    // The next roll starts from 0, not from what the long step left over.
    const Cell second = cellOf(s.roller);
    s.scene.update(0.25f);
    EXPECT_EQ(s.roller.angle, 45.0f);
    EXPECT_EQ(cellOf(s.roller), second);

    // Part way through a roll, a long step ends just this roll.
    const int heading = s.roller.direction;
    s.scene.update(7.0f);
    EXPECT_EQ(cellOf(s.roller), rollerworld::neighbour(second, heading));
    EXPECT_EQ(s.roller.angle, 0.0f);
}

TEST(RollerStep, ARollEndsAtTheFirstUpdateThatReachesNinetyDegrees) {
    StartedScene s;
    const int first = s.roller.direction;
    s.scene.update(0.4999f);
    EXPECT_EQ(cellOf(s.roller), Cell(0, 0));
    EXPECT_LT(s.roller.angle, 90.0f);
    EXPECT_GT(s.roller.angle, 89.9f);

    // Exactly 90 degrees counts as reached.
    StartedScene exact;
    exact.scene.update(0.5f);
    EXPECT_EQ(cellOf(exact.roller), rollerworld::neighbour({0, 0}, first));
    EXPECT_EQ(exact.roller.angle, 0.0f);

    // At 16 ms a frame, 2.88 degrees a frame: 31 frames make 89.28, the 32nd ends the roll.
    StartedScene frames;
    for (int i = 0; i < 31; ++i) frames.scene.update(0.016f);
    EXPECT_EQ(cellOf(frames.roller), Cell(0, 0));
    EXPECT_NEAR(frames.roller.angle, 89.28f, 0.01f);
    frames.scene.update(0.016f);
    EXPECT_EQ(cellOf(frames.roller), rollerworld::neighbour({0, 0}, first));
    EXPECT_EQ(frames.roller.angle, 0.0f);
}
