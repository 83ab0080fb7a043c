#pragma once

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
