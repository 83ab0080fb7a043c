#include "ValueNoise.h"

#include <cstddef>
#include <utility>

#include "Random.h"

namespace {

// Smoothstep of t / 256, scaled back to 0..256, so the lattice leaves no visible creases.
int smooth(int t) { return t * t * (768 - 2 * t) / 65536; }

}  // namespace

FractalNoise::FractalNoise(int largestCell, int period, uint32_t seed) {
    int weight = 16;
    for (int cell = largestCell; cell >= 4; cell /= 2) {
        Octave octave{cell, period / cell, weight, {}};
        const auto points = static_cast<uint32_t>(octave.latticePeriod);
        octave.lattice.reserve(static_cast<size_t>(points) * points);
        for (uint32_t y = 0; y < points; ++y) {
            for (uint32_t x = 0; x < points; ++x) {
                octave.lattice.push_back(static_cast<uint8_t>(
                    latticeHash(x, y, seed + static_cast<uint32_t>(cell)) & 0xFFu));
            }
        }
        octaves_.push_back(std::move(octave));
        weights_ += weight;
        weight = weight > 1 ? weight / 2 : 1;
    }
}

int FractalNoise::Octave::valueAt(int x, int y) const {
    const int gx = x / cell;
    const int gy = y / cell;
    const int sx = smooth((x % cell) * 256 / cell);
    const int sy = smooth((y % cell) * 256 / cell);
    const auto point = [this](int px, int py) {
        return static_cast<int>(lattice[static_cast<size_t>(py % latticePeriod) * latticePeriod +
                                        static_cast<size_t>(px % latticePeriod)]);
    };
    const int v00 = point(gx, gy);
    const int v10 = point(gx + 1, gy);
    const int v01 = point(gx, gy + 1);
    const int v11 = point(gx + 1, gy + 1);
    const int top = v00 * 256 + (v10 - v00) * sx;
    const int bottom = v01 * 256 + (v11 - v01) * sx;
    return (top * 256 + (bottom - top) * sy) / 65536;
}

int FractalNoise::at(int x, int y) const {
    int sum = 0;
    for (const Octave& octave : octaves_) sum += octave.weight * octave.valueAt(x, y);
    return sum / weights_;
}
