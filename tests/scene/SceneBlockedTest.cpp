#include <gtest/gtest.h>

#include "scene/Scene.h"

namespace {

struct Rect {
    float xMin, zMin, xMax, zMax;
};

bool blocked(const Scene& scene, Rect r) { return scene.isBlocked(r.xMin, r.zMin, r.xMax, r.zMax); }

}  // namespace

TEST(SceneIsBlocked, FromTheStartOnlyThePlusZCellIsTaken) {
    const Scene scene;
    EXPECT_FALSE(blocked(scene, {-150, -50, -50, 50}));  // -x
    EXPECT_FALSE(blocked(scene, {50, -50, 150, 50}));    // +x
    EXPECT_FALSE(blocked(scene, {-50, -150, 50, -50}));  // -z
    EXPECT_TRUE(blocked(scene, {-50, 50, 50, 150}));     // +z, into the magenta block
}

// Thin strips laid against each side of every block, clear of the other blocks.
TEST(SceneIsBlocked, TouchingABlockIsFreeOverlappingItIsNot) {
    const Scene scene;
    for (const auto& cube : scene.cubes) {
        const float px = cube->position.x;
        const float pz = cube->position.z;
        const float hx = cube->halfSize[0];
        const float hz = cube->halfSize[2];
        SCOPED_TRACE(testing::Message() << "block at " << px << ", " << pz);
        const Rect touching[] = {
            {px + hx, pz - 5, px + hx + 10, pz + 5},         // against the +x side
            {px - hx - 10, pz - 5, px - hx, pz + 5},         // -x
            {px - 5, pz + hz, px + 5, pz + hz + 10},         // +z
            {px - 5, pz - hz - 10, px + 5, pz - hz},         // -z
            {px + hx, pz + hz, px + hx + 10, pz + hz + 10},  // corner to corner
        };
        for (const Rect& r : touching) EXPECT_FALSE(blocked(scene, r));
        const Rect overlapping[] = {
            {px + hx - 0.5f, pz - 5, px + hx + 10, pz + 5},
            {px - hx - 10, pz - 5, px - hx + 0.5f, pz + 5},
            {px - 5, pz + hz - 0.5f, px + 5, pz + hz + 10},
            {px - 5, pz - hz - 10, px + 5, pz - hz + 0.5f},
            {px + hx - 0.5f, pz + hz - 0.5f, px + hx + 10, pz + hz + 10},
            {px - hx - 100, pz - hz - 100, px + hx + 100, pz + hz + 100},  // all around it
            {px - 1, pz - 1, px + 1, pz + 1},                              // inside it
        };
        for (const Rect& r : overlapping) EXPECT_TRUE(blocked(scene, r));
    }
    // The roller passes between the green and yellow blocks touching the green one's side.
    EXPECT_FALSE(blocked(scene, {150, -250, 250, -150}));
}

TEST(SceneIsBlocked, ReachingTheGroundEdgeIsFreeGoingPastIsNot) {
    const Scene scene;
    EXPECT_FALSE(blocked(scene, {400, 300, 500, 400}));
    EXPECT_FALSE(blocked(scene, {-500, 300, -400, 400}));
    EXPECT_FALSE(blocked(scene, {-400, 400, -300, 500}));
    EXPECT_FALSE(blocked(scene, {-400, -500, -300, -400}));
    EXPECT_TRUE(blocked(scene, {400, 300, 500.5f, 400}));
    EXPECT_TRUE(blocked(scene, {-500.5f, 300, -400, 400}));
    EXPECT_TRUE(blocked(scene, {-400, 400, -300, 500.5f}));
    EXPECT_TRUE(blocked(scene, {-400, -500.5f, -300, -400}));
    // Wholly off the ground.
    EXPECT_TRUE(blocked(scene, {500, 0, 600, 100}));
    EXPECT_TRUE(blocked(scene, {0, -700, 100, -600}));
}

TEST(SceneIsBlocked, HeightsAndTheRollerItselfPlayNoPart) {
    Scene scene;
    // The roller's own square is free: it is not one of the obstacles.
    EXPECT_FALSE(blocked(scene, {-50, -50, 50, 50}));
    // A block counts by its footprint however high it floats.
    scene.cubes[0]->position.y = 5000.0f;
    EXPECT_TRUE(blocked(scene, {-10, -260, 10, -240}));
    // A wider or flatter block counts by its new footprint.
    scene.cubes[0]->halfSize[0] = 200.0f;
    scene.cubes[0]->halfSize[1] = 0.0f;
    EXPECT_TRUE(blocked(scene, {-190, -260, -180, -240}));
}
