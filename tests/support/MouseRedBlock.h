#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
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

// Two blocks' descriptions, one a line, for a check that compares them.
inline std::string describeBoth(const RedBlockExtent& before, const RedBlockExtent& after) {
    return before.describe() + "\n" + after.describe();
}

bool isRedDominant(const Rgb& pixel);

RedBlockExtent findRedBlock(const RunningProgram::Screenshot& shot);

// Fewer red pixels than this could be stray ones rather than the block.
constexpr int redBlockMinPixels = 200;

// Whether BLOCK has more than MIN_PIXELS red pixels, enough to tell it from stray ones.
::testing::AssertionResult redBlockSeen(const RedBlockExtent& block,
                                        int minPixels = redBlockMinPixels);

// The red block in each of SHOTS, in order, into BLOCKS; fails, describing the block, at the
// first that is too small to tell from stray pixels.
template <std::size_t N>
::testing::AssertionResult findRedBlocks(const RunningProgram::Screenshot (&shots)[N],
                                         std::array<RedBlockExtent, N>& blocks,
                                         int minPixels = redBlockMinPixels) {
    for (std::size_t i = 0; i < N; ++i) {
        blocks[i] = findRedBlock(shots[i]);
        ::testing::AssertionResult seen = redBlockSeen(blocks[i], minPixels);
        if (!seen) return seen << " (picture " << i + 1 << " of " << N << ")";
    }
    return ::testing::AssertionSuccess();
}

// The red block in the program's window as it is now; fails the test if the block is too small
// to tell from a stray pixel.
RedBlockExtent redBlockNow(const RunningProgram& program);

// Holds the left button still for a second in the window, from the starting camera or near it:
// at 500 units a second the camera flies half-way to the red block or more, so that the block
// shows half as wide and high again. Fails, describing the block before and after, if not.
::testing::AssertionResult aSecondsFlightNearsTheRedBlock(RunningProgram& program);
