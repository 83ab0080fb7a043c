#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "Vector3Checks.h"
#include "app/StartingCamera.h"
#include "math/Vector3.h"

// Turning a vector about an axis, checked against quaternions worked out in double precision.
namespace {

constexpr float quarterTurn = 1.5707963f;

// Rotation of v about axis by angle through the unit quaternion (cos a/2, sin a/2 * k), in
// double precision: an independent way to the same answer the program gets from a matrix.
struct Exact {
    double x, y, z;
};

Exact quaternionRotate(const Vector3& v, double angle, const Vector3& axis) {
    const double length =
        std::sqrt(static_cast<double>(axis.x) * axis.x + static_cast<double>(axis.y) * axis.y +
                  static_cast<double>(axis.z) * axis.z);
    const double half = std::sin(angle / 2) / length;
    const double w = std::cos(angle / 2);
    const double qx = axis.x * half, qy = axis.y * half, qz = axis.z * half;
    // v' = v + 2w (q x v) + 2 q x (q x v)
    const double tx = 2 * (qy * v.z - qz * v.y);
    const double ty = 2 * (qz * v.x - qx * v.z);
    const double tz = 2 * (qx * v.y - qy * v.x);
    return {v.x + w * tx + (qy * tz - qz * ty), v.y + w * ty + (qz * tx - qx * tz),
            v.z + w * tz + (qx * ty - qy * tx)};
}

double length(const Vector3& v) {
    return std::sqrt(static_cast<double>(v.x) * v.x + static_cast<double>(v.y) * v.y +
                     static_cast<double>(v.z) * v.z);
}

void expectNear(const Vector3& actual, float x, float y, float z, float tolerance = 1e-6f) {
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
    EXPECT_NEAR(actual.z, z, tolerance);
}

Vector3 rotated(Vector3 v, float angle, const Vector3& axis) {
    v.rotate(angle, axis);
    return v;
}

}  // namespace

TEST(Vector3, QuarterTurnsFollowTheRightHandRuleAboutEachAxis) {
    expectNear(rotated({1, 0, 0}, quarterTurn, {0, 0, 1}), 0, 1, 0);
    expectNear(rotated({0, 1, 0}, quarterTurn, {0, 0, 1}), -1, 0, 0);
    expectNear(rotated({0, 1, 0}, quarterTurn, {1, 0, 0}), 0, 0, 1);
    expectNear(rotated({0, 0, 1}, quarterTurn, {0, 1, 0}), 1, 0, 0);
    expectNear(rotated({1, 0, 0}, -quarterTurn, {0, 0, 1}), 0, -1, 0);
    // A vector along the axis stays put; a half turn reverses the rest.
    expectNear(rotated({0, 0, 2}, 1.0f, {0, 0, 1}), 0, 0, 2);
    expectNear(rotated({3, 4, 5}, 3.14159265f, {0, 0, 1}), -3, -4, 5, 1e-5f);
    // All three components move at once: (1,1,1) about (1,1,1)/|..| by a third of a turn cycles.
    expectNear(rotated({1, 0, 0}, 2.0943951f, {1, 1, 1}), 0, 1, 0);
    expectNear(rotated({0, 1, 0}, 2.0943951f, {1, 1, 1}), 0, 0, 1);
}

TEST(Vector3, AxisLengthDoesNotMatterHoweverLongOrShort) {
    const Vector3 v(0.3f, -1.7f, 2.9f);
    const float angle = 0.8f;
    const Vector3 unit = rotated(v, angle, {0, 0, 1});
    for (const float scale : {5.0f, 0.001f, 1e-30f, 1e-40f, 1e30f, 3e38f}) {
        SCOPED_TRACE(scale);
        const Vector3 result = rotated(v, angle, {0, 0, scale});
        expectNear(result, unit.x, unit.y, unit.z);
    }
    // The example of a tiny axis along x, and one with all three components tiny.
    expectNear(rotated({0, 1, 0}, quarterTurn, {1e-30f, 0, 0}), 0, 0, 1);
    const Vector3 slanted = rotated(v, angle, {1, 2, -2});
    const Vector3 tiny = rotated(v, angle, {1e-30f, 2e-30f, -2e-30f});
    expectNear(tiny, slanted.x, slanted.y, slanted.z);
}

TEST(Vector3, ZeroAxisScalesByTheCosine) {
    const Vector3 v(3.0f, -4.0f, 5.0f);
    const float c = std::cos(1.0f);
    expectNear(rotated(v, 1.0f, {0, 0, 0}), 3 * c, -4 * c, 5 * c);
    expectNear(rotated(v, 3.14159265f, {0, 0, 0}), -3, 4, -5, 1e-5f);
    expectNear(rotated(v, quarterTurn, {0, 0, 0}), 0, 0, 0);
    expectEqual(rotated(v, 0.0f, {0, 0, 0}), 3.0f, -4.0f, 5.0f);
}

TEST(Vector3, AngleZeroLeavesTheVectorWhateverTheAxis) {
    const Vector3 v(-6.5f, 0.25f, 12.0f);
    for (const Vector3& axis : {Vector3(1, 0, 0), Vector3(0, -3, 0), Vector3(1, 2, 3),
                                Vector3(1e-30f, 0, 0), Vector3(-7, 0.5f, 100)}) {
        expectNear(rotated(v, 0.0f, axis), v.x, v.y, v.z, 1e-5f);
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
    expectNear(self, 2.0f, -3.0f, 6.0f, 1e-5f);
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
        if (length(axis) == 0.0) continue;
        const float angle = turn(random);

        const Vector3 result = rotated(v, angle, axis);
        const Exact expected = quaternionRotate(v, angle, axis);
        const double size = length(v);
        const double tolerance = 4e-6 * size + 1e-6;
        ASSERT_NEAR(result.x, expected.x, tolerance) << "case " << i;
        ASSERT_NEAR(result.y, expected.y, tolerance) << "case " << i;
        ASSERT_NEAR(result.z, expected.z, tolerance) << "case " << i;
        ASSERT_NEAR(length(result), size, 4e-6 * size) << "case " << i;
    }
}
