#include "Pictures.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "Random.h"
#include "ValueNoise.h"

Picture drawNoise(int size) {
    Picture picture(size, size);
    const FractalNoise noise(64, size, 1);
    std::vector<int> row;
    for (int y = 0; y < size; ++y) {
        noise.row(y, size, row);
        for (int x = 0; x < size; ++x) {
            // Summed octaves crowd around the middle; spread them out again.
            const int v = std::clamp(128 + (row[static_cast<size_t>(x)] - 128) * 2, 0, 255);
            const int grey = 110 + v * 145 / 255;
            picture.set(x, y, grey, grey, grey);
        }
    }
    return picture;
}

Picture drawGrass(int size) {
    Picture picture(size, size);
    const FractalNoise noise(32, size, 7);
    std::vector<int> row;
    for (int y = 0; y < size; ++y) {
        noise.row(y, size, row);
        for (int x = 0; x < size; ++x) {
            const int n = row[static_cast<size_t>(x)];
            picture.set(x, y, 28 + n / 10, 70 + n / 4, 18 + n / 12);
        }
    }
    Random random(2024);
    const int blades = size * size / 9;
    for (int blade = 0; blade < blades; ++blade) {
        const int x0 = random.between(0, size - 1);
        const int y0 = random.between(0, size - 1);
        const int length = random.between(6, 16);
        const int lean = random.between(-4, 4);
        const int g = random.between(100, 190);
        const int r = g / 4 + random.between(0, 25);
        const int b = g / 8 + random.between(0, 12);
        for (int i = 0; i < length; ++i) {
            // Darker at the root, lit towards the tip.
            const int shade = 60 + 40 * i / length;
            picture.set(x0 + lean * i / length, y0 - i, r * shade / 100, g * shade / 100,
                        b * shade / 100);
        }
    }
    return picture;
}

namespace {

// How many of 16 sample points of pixel (x, y) lie within radius of (cx, cy), for smooth edges.
int discCoverage(int x, int y, int cx, int cy, int radius) {
    int inside = 0;
    const int limit = (8 * radius) * (8 * radius);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            const int dx = 8 * x + 1 + 2 * i - 8 * cx;
            const int dy = 8 * y + 1 + 2 * j - 8 * cy;
            if (dx * dx + dy * dy <= limit) ++inside;
        }
    }
    return inside;
}

}  // namespace

Picture drawSpot(int size) {
    Picture picture(size, size);
    const int q = size / 4;
    const int spots[5][2] = {{q, q}, {3 * q, q}, {2 * q, 2 * q}, {q, 3 * q}, {3 * q, 3 * q}};
    const int radius = size * 3 / 32;
    const int rim = size / 32;
    const int spotGrey = 38;
    const FractalNoise noise(16, size, 11);
    std::vector<int> row;
    for (int y = 0; y < size; ++y) {
        noise.row(y, size, row);
        for (int x = 0; x < size; ++x) {
            int v = 226 + (row[static_cast<size_t>(x)] - 128) / 8;
            const int edge = std::min({x, y, size - 1 - x, size - 1 - y});
            if (edge < rim) v -= (rim - edge) * 64 / rim;
            for (const auto& spot : spots) {
                // No sample point of a pixel further off lies within the spot.
                if (std::abs(x - spot[0]) > radius + 1 || std::abs(y - spot[1]) > radius + 1) {
                    continue;
                }
                const int c = discCoverage(x, y, spot[0], spot[1], radius);
                v = (v * (16 - c) + spotGrey * c) / 16;
            }
            picture.set(x, y, v, v, v);
        }
    }
    return picture;
}
