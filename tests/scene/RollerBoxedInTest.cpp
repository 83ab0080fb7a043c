#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "RandRecorder.h"
#include "RollerWorld.h"
#include "scene/Scene.h"

using rollerworld::Cell;
using rollerworld::cellOf;

namespace {

void putBlock(Scene& scene, int index, Cell cell) {
    Cube& block = *scene.cubes[index];
    block.position =
        Vector3(static_cast<float>(cell.first), 50.0f, static_cast<float>(cell.second));
    block.halfSize[0] = block.halfSize[1] = block.halfSize[2] = 50.0f;
}

// Fills the four cells around the start with blocks; the fifth stands far off.
void boxInTheStart(Scene& scene) {
    putBlock(scene, 0, {-100, 0});
    putBlock(scene, 1, {100, 0});
    putBlock(scene, 2, {0, -100});
    putBlock(scene, 3, {0, 100});
    putBlock(scene, 4, {400, 400});
}

}  // namespace

TEST(RollerBoxedIn, UpdatesStillReturn) {
    // Run in a child with an alarm, so a choice that never ends fails here instead of hanging.
    EXPECT_EXIT(
        {
            alarm(20);
            Scene scene;
            boxInTheStart(scene);
            for (int i = 0; i < 1000; ++i) scene.update(0.016f);
            scene.update(100.0f);
            std::exit(scene.roller->direction == RollNone ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(RollerBoxedIn, RestsWithoutDrawingAndRollsOnceASideOpens) {
    Scene scene;
    Roller& roller = *scene.roller;
    boxInTheStart(scene);
    std::srand(1);

    randrecorder::start();
    for (int i = 0; i < 100; ++i) {
        scene.update(0.016f);
        ASSERT_EQ(roller.angle, 0.0f);  // resting, not turning on the spot
    }
    scene.update(5.0f);
    // Finding no way out costs no random numbers, so the path elsewhere is not disturbed.
    EXPECT_TRUE(randrecorder::draws().empty());
    EXPECT_EQ(roller.direction, RollNone);
    EXPECT_EQ(roller.angle, 0.0f);
    EXPECT_EQ(cellOf(roller), Cell(0, 0));

    // Clear the +x side: the very next update picks it and starts turning.
    putBlock(scene, 1, {400, -400});
    scene.update(0.016f);
    EXPECT_EQ(roller.direction, RollPosX);
    EXPECT_GT(roller.angle, 0.0f);
    scene.update(0.5f);
    EXPECT_EQ(cellOf(roller), Cell(100, 0));
}

TEST(RollerBoxedIn, ARollThatEndsBoxedInRestsWhereItLanded) {
    Scene scene;
    Roller& roller = *scene.roller;
    // Rolling +x out of the corner (-400, -400) towards (-300, -400), whose other sides are
    // the ground's edge and two blocks; a block then takes the corner behind it.
    putBlock(scene, 0, {-200, -400});
    putBlock(scene, 1, {-300, -300});
    putBlock(scene, 2, {-400, -400});
    putBlock(scene, 3, {400, 400});
    putBlock(scene, 4, {300, 400});
    roller.position = Vector3(-400.0f, 50.0f, -400.0f);
    roller.direction = RollPosX;
    roller.angle = 80.0f;
    std::srand(1);

    randrecorder::start();
    scene.update(0.1f);
    EXPECT_TRUE(randrecorder::draws().empty());
    EXPECT_EQ(cellOf(roller), Cell(-300, -400));
    EXPECT_EQ(roller.direction, RollNone);
    EXPECT_EQ(roller.angle, 0.0f);

    for (int i = 0; i < 100; ++i) {
        scene.update(0.016f);
        ASSERT_EQ(roller.angle, 0.0f);
    }
    EXPECT_EQ(cellOf(roller), Cell(-300, -400));
    EXPECT_EQ(roller.direction, RollNone);
    EXPECT_TRUE(randrecorder::draws().empty());

    // Open the way it came: with the previous roll forgotten while resting, it may go back at
    // once rather than after a hundred draws.
    putBlock(scene, 2, {300, 300});
    randrecorder::start();
    scene.update(0.016f);
    EXPECT_EQ(roller.direction, RollNegX);
    EXPECT_LT(randrecorder::draws().size(), 100u);
    scene.update(0.5f);
    EXPECT_EQ(cellOf(roller), Cell(-400, -400));
}

TEST(RollerBoxedIn, ARollerWithNoSceneToAskRests) {
    { Scene gone; }  // its destruction leaves no scene to ask
    ASSERT_EQ(activeScene, nullptr);
    Roller roller(0, 50, 0, 0, 1, 1, 50);
    randrecorder::start();
    roller.update(0.016f);
    roller.update(10.0f);
    EXPECT_EQ(roller.direction, RollNone);
    EXPECT_EQ(roller.angle, 0.0f);
    EXPECT_EQ(cellOf(roller), Cell(0, 0));
    EXPECT_TRUE(randrecorder::draws().empty());
}
