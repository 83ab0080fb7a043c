#pragma once

#include <cstdint>

// Smoothly interpolated lattice noise in whole numbers only (no floating point, so no rounding
// differences between builds), tiling with the given period in pixels.

// One octave: lattice points every cell pixels; 0 to 255.
int valueNoise(int x, int y, int cell, int period, uint32_t seed);

// Octaves from cell largestCell down to 4 pixels, each half the weight of the one before; 0 to 255.
int fractalNoise(int x, int y, int largestCell, int period, uint32_t seed);
