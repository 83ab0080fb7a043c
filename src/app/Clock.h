#pragma once

#include <cstdint>

// Milliseconds since the program started, from the system's monotonic clock (the page's in
// the browser): it follows real time but, unlike the date, is never set, so setting the system
// clock while a button is held does not fling the camera.
int32_t currentMillis();

// Milliseconds from last to now. A counter that wrapped around still gives the short forward
// step; one that stepped back gives 0, never a negative time.
int32_t elapsedMillis(int32_t now, int32_t last);
