#pragma once

#include <cstdint>

// Milliseconds since the program started, from GLUT's monotonic wall clock.
int32_t currentMillis();

// Milliseconds from last to now. A counter that wrapped around still gives the short forward
// step; one that stepped back gives 0, never a negative time.
int32_t elapsedMillis(int32_t now, int32_t last);
