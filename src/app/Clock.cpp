#include "app/Clock.h"

#include <GL/freeglut.h>

int32_t currentMillis() { return glutGet(GLUT_ELAPSED_TIME); }

int32_t elapsedMillis(int32_t now, int32_t last) {
    // Modular subtraction makes a wrap from the largest count to the smallest a small step.
    const auto difference =
        static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(last));
    return difference < 0 ? 0 : difference;
}
