#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "RandRecorder.h"
#include "RollerChoiceRule.h"
#include "RollerWorld.h"
#include "scene/Scene.h"

using rollerworld::Cell;

namespace {

// A scene whose roller stands at rest on a cell, having come in heading the given way, with
// the random numbers started from a seed.
struct PlacedRoller {
    PlacedRoller(Cell cell, RollDirection heading, unsigned seed) {
        roller.position =
            Vector3(static_cast<float>(cell.first), 50.0f, static_cast<float>(cell.second));
        roller.direction = heading;
        roller.angle = 0.0f;
        std::srand(seed);
    }
    Scene scene;
    Roller& roller = *scene.roller;
};

}  // namespace

// The corner (400, -400) has one free neighbour, the cell the roller came from; the way back
// opens only at the 100th draw, and the roller must find it within the same update.
TEST(RollerChoice, TheDeadEndCornerIsLeftFromTheHundredthDrawOn) {
    int earlyDrawsOfTheWayBack = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        PlacedRoller placed({300, -400}, RollPosX, seed);
        Scene& scene = placed.scene;
        Roller& roller = placed.roller;

        randrecorder::start();
        scene.update(0.5f);  // exactly one roll: lands in the corner and chooses
        const std::vector<int> draws = randrecorder::draws();

        Cell cell;
        ASSERT_TRUE(rollerworld::cellOf(roller, cell));
        ASSERT_EQ(cell, Cell(400, -400));
        EXPECT_EQ(roller.direction, RollNegX);
        EXPECT_EQ(rollerworld::judgeChoice(cell, RollPosX, draws, roller.direction), "");
        ASSERT_GE(draws.size(), 100u);
        for (size_t i = 99; i + 1 < draws.size(); ++i) EXPECT_NE(draws[i] % 4, RollNegX);
        for (size_t i = 0; i < 99; ++i) earlyDrawsOfTheWayBack += draws[i] % 4 == RollNegX;

        // And it does roll back out.
        scene.update(0.5f);
        ASSERT_TRUE(rollerworld::cellOf(roller, cell));
        EXPECT_EQ(cell, Cell(300, -400));
    }
    // The early draws of the way back were refused, not absent.
    EXPECT_GT(earlyDrawsOfTheWayBack, 40);
}

// The magenta block covers x 0..100, z 100..200, so from the start only +z is taken.
TEST(RollerChoice, FromTheStartEveryWayButPlusZIsTaken) {
    std::set<int> chosen;
    int refusedPlusZ = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        Scene scene;
        Roller& roller = *scene.roller;
        ASSERT_EQ(roller.direction, RollNone);
        std::srand(seed);
        randrecorder::start();
        roller.chooseDirection();
        const std::vector<int>& draws = randrecorder::draws();
        ASSERT_EQ(rollerworld::judgeChoice({0, 0}, RollNone, draws, roller.direction), "");
        chosen.insert(roller.direction);
        for (int d : draws) refusedPlusZ += d % 4 == RollPosZ;
        // With no previous roll nothing counts as going back, so the first free draw stands.
        for (size_t i = 0; i + 1 < draws.size(); ++i) EXPECT_EQ(draws[i] % 4, RollPosZ);
    }
    EXPECT_EQ(chosen, (std::set<int>{RollNegX, RollNegZ, RollPosX}));
    EXPECT_GT(refusedPlusZ, 0);
}

// Going back is refused before the 100th attempt even where other ways are open.
TEST(RollerChoice, TheWayBackIsNotTakenWhenAnotherIsOpen) {
    int drawsOfTheWayBack = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        // Came from (-100, 0); all four ways open.
        PlacedRoller placed({-200, 0}, RollNegX, seed);
        Roller& roller = placed.roller;
        randrecorder::start();
        roller.chooseDirection();
        const std::vector<int>& draws = randrecorder::draws();
        EXPECT_EQ(rollerworld::judgeChoice({-200, 0}, RollNegX, draws, roller.direction), "");
        EXPECT_NE(roller.direction, RollPosX);
        for (int d : draws) drawsOfTheWayBack += d % 4 == RollPosX;
    }
    EXPECT_GT(drawsOfTheWayBack, 0);
}

// The landing square is exactly the neighbouring cell: blocks that fill the cells around it,
// touching its sides, leave the roll open, while the roller's other three ways are filled.
TEST(RollerChoice, ACellHemmedInByTouchingBlocksCanStillBeRolledInto) {
    for (int d = RollNegX; d <= RollPosZ; ++d) {
        SCOPED_TRACE(testing::Message() << "direction " << d);
        Scene scene;
        Roller& roller = *scene.roller;
        const Cell ahead = rollerworld::neighbour({0, 0}, d);
        const float fx = static_cast<float>(ahead.first);
        const float fz = static_cast<float>(ahead.second);
        // The side axis runs across the roll; each side block spans the two cells beside the
        // roller and beside the landing cell.
        const float sx = fz != 0 ? 100.0f : 0.0f;
        const float sz = fx != 0 ? 100.0f : 0.0f;
        const float alongX = fx != 0 ? 100.0f : 50.0f;
        const float alongZ = fz != 0 ? 100.0f : 50.0f;
        auto place = [&](int index, float x, float z, float hx, float hz) {
            Cube& block = *scene.cubes[index];
            block.position = Vector3(x, 50.0f, z);
            block.halfSize[0] = hx;
            block.halfSize[2] = hz;
        };
        place(0, 2 * fx, 2 * fz, 50, 50);                    // beyond the landing cell
        place(1, -fx, -fz, 50, 50);                          // behind the roller
        place(2, fx / 2 + sx, fz / 2 + sz, alongX, alongZ);  // one side
        place(3, fx / 2 - sx, fz / 2 - sz, alongX, alongZ);  // the other side
        place(4, 400, 400, 50, 50);                          // out of the way
        ASSERT_FALSE(scene.isBlocked(fx - 50, fz - 50, fx + 50, fz + 50));

        std::srand(1);
        scene.update(0.5f);
        Cell cell;
        ASSERT_TRUE(rollerworld::cellOf(roller, cell));
        EXPECT_EQ(cell, ahead);
    }
}
