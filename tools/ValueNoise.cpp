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
        Octave octave{cell, period / cell, weight, {}, {}};
        for (int offset = 0; offset < cell; ++offset) {
            octave.smoothed.push_back(smooth(offset * 256 / cell));
        }
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

void FractalNoise::Octave::addRow(int y, std::vector<int>& sums) const {
    const int sy = smoothed[static_cast<size_t>(y % cell)];
    const auto latticeRow = [this](int gy) {
        return &lattice[static_cast<size_t>(gy % latticePeriod) * latticePeriod];
    };
    const uint8_t* upper = latticeRow(y / cell);
    const uint8_t* lower = latticeRow(y / cell + 1);
    const auto width = static_cast<int>(sums.size());
    for (int gx = 0, x = 0; x < width; ++gx) {
        const int v00 = upper[gx % latticePeriod];
        const int v10 = upper[(gx + 1) % latticePeriod];
        const int v01 = lower[gx % latticePeriod];
        const int v11 = lower[(gx + 1) % latticePeriod];
        for (int offset = 0; offset < cell && x < width; ++offset, ++x) {
            const int sx = smoothed[static_cast<size_t>(offset)];
            const int top = v00 * 256 + (v10 - v00) * sx;
            const int bottom = v01 * 256 + (v11 - v01) * sx;
            sums[static_cast<size_t>(x)] += weight * ((top * 256 + (bottom - top) * sy) / 65536);
        }
    }
}

void FractalNoise::row(int y, int width, std::vector<int>& values) const {
    values.assign(static_cast<size_t>(width), 0);
    for (const Octave& octave : octaves_) octave.addRow(y, values);
    for (int& value : values) value /= weights_;
}
