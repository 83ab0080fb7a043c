#pragma once

#include <string>

#include "RunningProgram.h"

// Where the red block shows in a screenshot. Pixels are classed by which channel dominates, so
// the block is still found when its colour is modulated by a texture, and nothing else in the
// scene (grey sky, cyan or grassy ground, yellow, magenta, blue, green or cyan blocks) passes.
struct RedBlockExtent {
    int pixels = 0;
    int minX = 0, maxX = -1, minY = 0, maxY = -1;
    double centreX = 0.0, centreY = 0.0;  // mean position of the red pixels

    int width() const { return maxX - minX + 1; }
    int height() const { return maxY - minY + 1; }
    std::string describe() const;
};

bool isRedDominant(const Rgb& pixel);

RedBlockExtent findRedBlock(const RunningProgram::Screenshot& shot);

// The red block in the program's window as it is now; fails the test if the block is too small
// to tell from a stray pixel.
RedBlockExtent redBlockNow(const RunningProgram& program);
