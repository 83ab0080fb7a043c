#pragma once

#include <array>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <ostream>

#include "scene/WorldLayout.h"

// A pixel's colour as the tests read it back, each channel 0..255.
struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// The program clears to a quarter grey, 0.25, which a renderer may round either way.
const Rgb background{64, 64, 64};
inline bool isBackground(const Rgb& c) {
    const auto grey = [](int channel) { return channel == 63 || channel == 64; };
    return grey(c.r) && grey(c.g) && grey(c.b);
}

// The grass picture: green well above red and blue.
inline bool grassLike(const Rgb& c) { return c.g > c.r + 20 && c.g > c.b + 20; }

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

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
