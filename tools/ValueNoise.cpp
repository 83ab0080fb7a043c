#include "ValueNoise.h"

#include "Random.h"

namespace {

int lattice(int x, int y, int latticePeriod, uint32_t seed) {
    const uint32_t wx = static_cast<uint32_t>(x % latticePeriod);
    const uint32_t wy = static_cast<uint32_t>(y % latticePeriod);
    return static_cast<int>(latticeHash(wx, wy, seed) & 0xFFu);
}

// Smoothstep of t / 256, scaled back to 0..256, so the lattice leaves no visible creases.
int smooth(int t) { return t * t * (768 - 2 * t) / 65536; }

}  // namespace

int valueNoise(int x, int y, int cell, int period, uint32_t seed) {
    const int latticePeriod = period / cell;
    const int gx = x / cell;
    const int gy = y / cell;
    const int sx = smooth((x % cell) * 256 / cell);
    const int sy = smooth((y % cell) * 256 / cell);
    const int v00 = lattice(gx, gy, latticePeriod, seed);
    const int v10 = lattice(gx + 1, gy, latticePeriod, seed);
    const int v01 = lattice(gx, gy + 1, latticePeriod, seed);
    const int v11 = lattice(gx + 1, gy + 1, latticePeriod, seed);
    const int top = v00 * 256 + (v10 - v00) * sx;
    const int bottom = v01 * 256 + (v11 - v01) * sx;
    return (top * 256 + (bottom - top) * sy) / 65536;
}

int fractalNoise(int x, int y, int largestCell, int period, uint32_t seed) {
    int sum = 0;
    int weights = 0;
    int weight = 16;
    for (int cell = largestCell; cell >= 4; cell /= 2) {
        sum += weight * valueNoise(x, y, cell, period, seed + static_cast<uint32_t>(cell));
        weights += weight;
        weight = weight > 1 ? weight / 2 : 1;
    }
    return sum / weights;
}
