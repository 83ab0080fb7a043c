#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "TestVec.h"
#include "app/StartingCamera.h"
#include "math/Vector3.h"

// Turning a vector about an axis, checked against the tests' own rotation in double precision.
namespace {

constexpr float quarterTurn = 1.5707963f;

Vector3 turned(Vector3 v, float angle, const Vector3& axis) {
    v.rotate(angle, axis);
    return v;
}

}  // namespace

TEST(Vector3, QuarterTurnsFollowTheRightHandRuleAboutEachAxis) {
    expectNear(turned({1, 0, 0}, quarterTurn, {0, 0, 1}), {0, 1, 0});
    expectNear(turned({0, 1, 0}, quarterTurn, {0, 0, 1}), {-1, 0, 0});
    expectNear(turned({0, 1, 0}, quarterTurn, {1, 0, 0}), {0, 0, 1});
    expectNear(turned({0, 0, 1}, quarterTurn, {0, 1, 0}), {1, 0, 0});
    expectNear(turned({1, 0, 0}, -quarterTurn, {0, 0, 1}), {0, -1, 0});
    // A vector along the axis stays put; a half turn reverses the rest.
    expectNear(turned({0, 0, 2}, 1.0f, {0, 0, 1}), {0, 0, 2});
    expectNear(turned({3, 4, 5}, 3.14159265f, {0, 0, 1}), {-3, -4, 5}, 1e-5f);
    // All three components move at once: (1,1,1) about (1,1,1)/|..| by a third of a turn cycles.
    expectNear(turned({1, 0, 0}, 2.0943951f, {1, 1, 1}), {0, 1, 0});
    expectNear(turned({0, 1, 0}, 2.0943951f, {1, 1, 1}), {0, 0, 1});
}

TEST(Vector3, AxisLengthDoesNotMatterHoweverLongOrShort) {
    const Vector3 v(0.3f, -1.7f, 2.9f);
    const float angle = 0.8f;
    const Vector3 unit = turned(v, angle, {0, 0, 1});
    for (const float scale : {5.0f, 0.001f, 1e-30f, 1e-40f, 1e30f, 3e38f}) {
        SCOPED_TRACE(scale);
        const Vector3 result = turned(v, angle, {0, 0, scale});
        expectNear(result, toVec(unit));
    }
    // The example of a tiny axis along x, and one with all three components tiny.
    expectNear(turned({0, 1, 0}, quarterTurn, {1e-30f, 0, 0}), {0, 0, 1});
    const Vector3 slanted = turned(v, angle, {1, 2, -2});
    const Vector3 tiny = turned(v, angle, {1e-30f, 2e-30f, -2e-30f});
    expectNear(tiny, toVec(slanted));
}

TEST(Vector3, ZeroAxisScalesByTheCosine) {
    const Vector3 v(3.0f, -4.0f, 5.0f);
    const float c = std::cos(1.0f);
    expectNear(turned(v, 1.0f, {0, 0, 0}), {3 * c, -4 * c, 5 * c});
    expectNear(turned(v, 3.14159265f, {0, 0, 0}), {-3, 4, -5}, 1e-5f);
    expectNear(turned(v, quarterTurn, {0, 0, 0}), {0, 0, 0});
    expectEqual(turned(v, 0.0f, {0, 0, 0}), 3.0f, -4.0f, 5.0f);
}

TEST(Vector3, AngleZeroLeavesTheVectorWhateverTheAxis) {
    const Vector3 v(-6.5f, 0.25f, 12.0f);
    for (const Vector3& axis : {Vector3(1, 0, 0), Vector3(0, -3, 0), Vector3(1, 2, 3),
                                Vector3(1e-30f, 0, 0), Vector3(-7, 0.5f, 100)}) {
        expectNear(turned(v, 0.0f, axis), toVec(v), 1e-5f);
    }
}

TEST(Vector3, RotationReadsTheAxisOnlyAndSurvivesBeingItsOwnAxis) {
    Vector3 v(1.0f, 0.0f, 0.0f);
    const Vector3 axis(0.0f, 0.0f, 4.0f);
    v.rotate(quarterTurn, axis);
    expectEqual(axis, 0.0f, 0.0f, 4.0f);

    // Turning a vector about itself leaves it where it is, even though the axis is the very
    // vector being changed.
    Vector3 self(2.0f, -3.0f, 6.0f);
    self.rotate(1.1f, self);
    expectNear(self, {2.0f, -3.0f, 6.0f}, 1e-5f);
}

TEST(Vector3, RandomRotationsMatchQuaternionsAndKeepTheLength) {
    std::mt19937 random(20240611u);
    std::uniform_real_distribution<float> component(-100.0f, 100.0f);
    std::uniform_real_distribution<float> turn(-12.0f, 12.0f);
    std::uniform_real_distribution<float> exponent(-30.0f, 30.0f);
    for (int i = 0; i < 5000; ++i) {
        const Vector3 v(component(random), component(random), component(random));
        const float scale = std::pow(10.0f, exponent(random));
        const Vector3 axis(component(random) * scale, component(random) * scale,
                           component(random) * scale);
        if (length(toVec(axis)) == 0.0) continue;
        const float angle = turn(random);

        const Vector3 result = turned(v, angle, axis);
        const Vec expected = rotated(toVec(v), toVec(axis), angle);
        const double size = length(toVec(v));
        const double tolerance = 4e-6 * size + 1e-6;
        ASSERT_NEAR(result.x, expected.x, tolerance) << "case " << i;
        ASSERT_NEAR(result.y, expected.y, tolerance) << "case " << i;
        ASSERT_NEAR(result.z, expected.z, tolerance) << "case " << i;
        ASSERT_NEAR(length(toVec(result)), size, 4e-6 * size) << "case " << i;
    }
}
