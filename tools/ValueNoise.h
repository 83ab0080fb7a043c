#pragma once

#include <cstdint>
#include <vector>

// Smoothly interpolated lattice noise in whole numbers only (no floating point, so no rounding
// differences between builds), tiling with the given period in pixels: octaves from cell
// largestCell down to 4 pixels, each half the weight of the one before. Each octave's lattice is
// worked out once, when the noise is made, rather than four times for every pixel, since the
// browser version draws its pictures while the visitor waits.
class FractalNoise {
  public:
    FractalNoise(int largestCell, int period, uint32_t seed);

    // 0 to 255.
    int at(int x, int y) const;

  private:
    // One octave: lattice points every cell pixels, each 0 to 255.
    struct Octave {
        int cell;
        int latticePeriod;
        int weight;
        std::vector<uint8_t> lattice;

        int valueAt(int x, int y) const;
    };

    std::vector<Octave> octaves_;
    int weights_ = 0;
};
