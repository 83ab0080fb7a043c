#pragma once

#include "math/Vector3.h"

// Where init puts the camera: high above the near half of the ground, looking 45 degrees down
// towards -z at the red and green blocks. 0.7071 exactly, not 1/sqrt(2): both directions start
// a little short of unit length, and everything computed from them relies on those bits.
inline constexpr Vector3 startingEye{0.0f, 500.0f, 250.0f};
inline constexpr Vector3 startingViewDir{0.0f, -0.7071f, -0.7071f};
inline constexpr Vector3 startingUp{0.0f, 0.7071f, -0.7071f};
