#pragma once

#include <cstdint>
#include <vector>

// Smoothly interpolated lattice noise in whole numbers only (no floating point, so no rounding
// differences between builds), tiling with the given period in pixels: octaves from cell
// largestCell down to 4 pixels, each half the weight of the one before. Each octave's lattice is
// worked out once, when the noise is made, rather than four times for every pixel, since the
// browser version draws its pictures while the visitor waits. For the same reason a whole row
// is worked out at once: each lattice cell's corners are looked up once for all its pixels.
class FractalNoise {
  public:
    FractalNoise(int largestCell, int period, uint32_t seed);

    // The noise of pixels 0 to width - 1 of row y (y >= 0), each 0 to 255.
    void row(int y, int width, std::vector<int>& values) const;

  private:
    // One octave: lattice points every cell pixels, each 0 to 255.
    struct Octave {
        int cell;
        int latticePeriod;
        int weight;
        std::vector<uint8_t> lattice;
        std::vector<int> smoothed;  // the smoothed offset of each pixel within a cell

        // Adds weight times the octave's value at each pixel of row y to sums.
        void addRow(int y, std::vector<int>& sums) const;
    };

    std::vector<Octave> octaves_;
    int weights_ = 0;
};
