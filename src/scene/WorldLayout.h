#pragma once

// The world the scene builds, in one place. Every block rests on the ground: its centre's height
// is its half height.

inline constexpr float worldGroundHalfSize = 500.0f;

struct CubeLayout {
    float x, y, z;     // centre
    float r, g, b;     // colour, each in 0..1
    float hx, hy, hz;  // half sizes
};

// Built, drawn and checked by the roller in this order.
inline constexpr CubeLayout worldCubes[] = {
    {0, 25, -250, 1, 0, 0, 25, 25, 25},    // red
    {100, 25, -250, 0, 1, 0, 50, 25, 25},  // green
    {-100, 50, 150, 0, 0, 1, 25, 50, 25},  // blue
    {350, 25, -250, 1, 1, 0, 25, 25, 50},  // yellow
    {50, 50, 150, 1, 0, 1, 50, 50, 50},    // magenta
};

struct RollerLayout {
    float x, y, z;
    float r, g, b;
    float halfEdge;
};

// The roller starts at rest in the middle of the ground, in cyan.
inline constexpr RollerLayout worldRoller = {0, 50, 0, 0, 1, 1, 50};
