#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "math/Vector3.h"

// A double-precision vector for the tests' own reference geometry, worked out independently of
// the program's single-precision Vector3.
struct Vec {
    double x, y, z;
};

inline Vec toVec(const Vector3& v) { return {v.x, v.y, v.z}; }

inline double dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline double length(const Vec& v) { return std::sqrt(dot(v, v)); }

inline Vec crossed(const Vec& a, const Vec& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline Vec normalised(const Vec& v) {
    const double n = length(v);
    return {v.x / n, v.y / n, v.z / n};
}

// v turned by angle about axis, of any length but 0, with Rodrigues' rotation written as
// v cos + (k x v) sin + k (k.v)(1 - cos): the tests' reference for the program's turns.
inline Vec rotated(const Vec& v, const Vec& axis, double angle) {
    const Vec k = normalised(axis);
    const Vec kv = crossed(k, v);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double along = dot(k, v) * (1.0 - c);
    return {v.x * c + kv.x * s + k.x * along, v.y * c + kv.y * s + k.y * along,
            v.z * c + kv.z * s + k.z * along};
}

// Each component exactly as given, for arithmetic that is exact for the values.
inline void expectEqual(const Vector3& actual, float x, float y, float z) {
    EXPECT_EQ(actual.x, x);
    EXPECT_EQ(actual.y, y);
    EXPECT_EQ(actual.z, z);
}

inline void expectNear(const Vector3& actual, const Vec& expected, double tolerance = 1e-6) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
