#pragma once

#include <cstdint>

// Where the roller is heading; the reverse of d is (d + 2) % 4.
enum RollDirection : std::int32_t {
    RollNegX = 0,
    RollNegZ = 1,
    RollPosX = 2,
    RollPosZ = 3,
    RollNone = 4,
};

inline RollDirection reverseOf(RollDirection d) { return static_cast<RollDirection>((d + 2) % 4); }

// Everything that differs between the four ways of rolling, so that the move, the choice of the
// next square and the drawing all read the same row and cannot disagree.
struct RollMotion {
    // The way one roll moves the centre along x and z: -1, 0 or 1, in steps of one edge.
    float stepX, stepZ;
    // The bottom edge the cube turns about runs along this axis (x or z), and the angle is
    // applied with this sign so that the top tips towards the step.
    float axisX, axisZ;
    float turn;
};

// Indexed by the four rolling directions; RollNone has no motion.
inline const RollMotion& rollMotion(RollDirection d) {
    static const RollMotion motions[4] = {
        {-1, 0, 0, 1, 1},   // RollNegX
        {0, -1, 1, 0, -1},  // RollNegZ
        {1, 0, 0, 1, -1},   // RollPosX
        {0, 1, 1, 0, 1},    // RollPosZ
    };
    return motions[d];
}
