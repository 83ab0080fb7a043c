#pragma once

#include <array>
#include <cmath>
#include <iterator>

#include "Rgb.h"
#include "scene/WorldLayout.h"

// The blocks' colours in the layout's order: each one's name, as messages call the block, and
// the colour a pixel of it shows untextured.
struct BlockColour {
    const char* name;
    Rgb shown;
};

constexpr int blockCount = static_cast<int>(std::size(worldCubes));

// The name of a colour whose channels are each 0 or 1 ("red", "cyan", ...); "mixed" for any
// other colour.
inline const char* colourName(float r, float g, float b) {
    static const char* const names[8] = {"black", "blue",    "green",  "cyan",
                                         "red",   "magenta", "yellow", "white"};
    for (float c : {r, g, b}) {
        if (c != 0.0f && c != 1.0f) return "mixed";
    }
    return names[(r == 1.0f ? 4 : 0) + (g == 1.0f ? 2 : 0) + (b == 1.0f ? 1 : 0)];
}

inline Rgb shownColour(float r, float g, float b) {
    const auto byte = [](float c) { return static_cast<int>(std::lround(c * 255)); };
    return {byte(r), byte(g), byte(b)};
}

inline const std::array<BlockColour, blockCount> blockColours = [] {
    std::array<BlockColour, blockCount> colours{};
    for (int i = 0; i < blockCount; ++i) {
        const CubeLayout& c = worldCubes[i];
        colours[i] = {colourName(c.r, c.g, c.b), shownColour(c.r, c.g, c.b)};
    }
    return colours;
}();
