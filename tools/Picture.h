#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// An RGB picture, rows from the top down, 3 bytes per pixel.
struct Picture {
    Picture(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3, 0) {}

    uint8_t* at(int x, int y) {
        // Coordinates wrap, so that everything drawn near an edge tiles seamlessly.
        x = ((x % width) + width) % width;
        y = ((y % height) + height) % height;
        return &rgb[(static_cast<size_t>(y) * width + x) * 3];
    }

    void set(int x, int y, int r, int g, int b) {
        uint8_t* p = at(x, y);
        p[0] = static_cast<uint8_t>(r);
        p[1] = static_cast<uint8_t>(g);
        p[2] = static_cast<uint8_t>(b);
    }

    int width;
    int height;
    std::vector<uint8_t> rgb;
};
