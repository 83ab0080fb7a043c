#include <gtest/gtest.h>

#include "TestVec.h"
#include "app/StartingCamera.h"
#include "math/Vector3.h"

// The vector's arithmetic: construction, sums, scaling, in-place steps and the cross product.
TEST(Vector3, StartsAtZeroAndKeepsItsComponentsInOrder) {
    expectEqual(Vector3(), 0.0f, 0.0f, 0.0f);
    expectEqual(Vector3(1.5f, -2.0f, 3.25f), 1.5f, -2.0f, 3.25f);
}

TEST(Vector3, SumAndScalingGiveNewValuesAndLeaveTheirOperandsAlone) {
    const Vector3 a(1.0f, -2.0f, 3.0f);
    const Vector3 b(0.5f, 4.0f, -7.0f);
    expectEqual(a + b, 1.5f, 2.0f, -4.0f);
    expectEqual(b + a, 1.5f, 2.0f, -4.0f);
    expectEqual(a * 2.5f, 2.5f, -5.0f, 7.5f);
    expectEqual(a * 0.0f, 0.0f, -0.0f, 0.0f);
    expectEqual(a * -1.0f, -1.0f, 2.0f, -3.0f);
    expectEqual(a, 1.0f, -2.0f, 3.0f);
    expectEqual(b, 0.5f, 4.0f, -7.0f);
}

TEST(Vector3, InPlaceAddAndSubtractChangeTheVectorAndReturnItForChaining) {
    Vector3 v(1.0f, 2.0f, 3.0f);
    const Vector3 step(0.5f, -1.0f, 10.0f);

    Vector3& added = (v += step);
    EXPECT_EQ(&added, &v);
    expectEqual(v, 1.5f, 1.0f, 13.0f);

    Vector3& subtracted = (v -= step);
    EXPECT_EQ(&subtracted, &v);
    expectEqual(v, 1.0f, 2.0f, 3.0f);

    // Each link of the chain works on the same vector, not on a copy.
    (v += step) += step;
    expectEqual(v, 2.0f, 0.0f, 23.0f);
    ((v -= step) -= step) += Vector3(1.0f, 1.0f, 1.0f);
    expectEqual(v, 2.0f, 3.0f, 4.0f);
    expectEqual(step, 0.5f, -1.0f, 10.0f);

    // Subtracting a vector from itself goes through the same memory on both sides.
    v -= v;
    expectEqual(v, 0.0f, 0.0f, 0.0f);
}

TEST(Vector3, CrossProductFollowsTheRightHandRule) {
    const Vector3 x(1.0f, 0.0f, 0.0f), y(0.0f, 1.0f, 0.0f), z(0.0f, 0.0f, 1.0f);
    expectEqual(cross(x, y), 0.0f, 0.0f, 1.0f);
    expectEqual(cross(y, z), 1.0f, 0.0f, 0.0f);
    expectEqual(cross(z, x), 0.0f, 1.0f, 0.0f);
    expectEqual(cross(y, x), 0.0f, 0.0f, -1.0f);

    // Every component with distinct values, so a swapped or mis-signed term shows.
    const Vector3 a(1.0f, 2.0f, 3.0f), b(4.0f, 5.0f, 6.0f);
    expectEqual(cross(a, b), -3.0f, 6.0f, -3.0f);
    expectEqual(cross(b, a), 3.0f, -6.0f, 3.0f);
    expectEqual(cross(a, a), 0.0f, 0.0f, 0.0f);
    expectEqual(a, 1.0f, 2.0f, 3.0f);
    expectEqual(b, 4.0f, 5.0f, 6.0f);

    // The camera's right axis: viewDir x up for the starting camera points along +x.
    const Vector3 right = cross(startingViewDir, startingUp);
    EXPECT_NEAR(right.x, 2.0 * startingUp.y * startingUp.y, 1e-6);
    EXPECT_EQ(right.y, 0.0f);
    EXPECT_EQ(right.z, 0.0f);
}
