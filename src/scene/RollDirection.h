#pragma once

// Where the roller is heading; the reverse of d is (d + 2) % 4.
enum RollDirection {
    RollNegX = 0,
    RollNegZ = 1,
    RollPosX = 2,
    RollPosZ = 3,
    RollNone = 4,
};
