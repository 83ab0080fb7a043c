#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// Milliseconds on the monotonic clock; only differences mean anything.
inline double nowMs() {
    using Ms = std::chrono::duration<double, std::milli>;
    return Ms(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The middle sample: a machine shared with other work steals the odd slice of time, which
// drags a mean about but barely moves a median.
inline double median(std::vector<double> samples) {
    if (samples.empty()) return 0.0;
    const size_t middle = samples.size() / 2;
    std::nth_element(samples.begin(), samples.begin() + middle, samples.end());
    const double upper = samples[middle];
    if (samples.size() % 2 == 1) return upper;
    const double lower = *std::max_element(samples.begin(), samples.begin() + middle);
    return (lower + upper) / 2.0;
}

// One figure in the form scripts/bench.sh collects: "name: value".
inline void printFigure(const char* name, double value, int decimals = 3) {
    std::printf("%s: %.*f\n", name, decimals, value);
}
