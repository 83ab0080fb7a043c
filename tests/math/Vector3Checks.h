#pragma once

#include <gtest/gtest.h>

#include "math/Vector3.h"

// Each component exactly as given: the vector's arithmetic is exact for these values.
inline void expectEqual(const Vector3& actual, float x, float y, float z) {
    EXPECT_EQ(actual.x, x);
    EXPECT_EQ(actual.y, y);
    EXPECT_EQ(actual.z, z);
}
