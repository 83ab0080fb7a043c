#include "app/Clock.h"

#include <time.h>

namespace {

int64_t monotonicMillis() {
    // Zeroed so that a failed reading, which Linux never gives for this clock, counts as no time.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Read as the program starts, before main.
const int64_t start = monotonicMillis();

}  // namespace

int32_t currentMillis() {
    // Kept to 32 bits like the count it replaces: after 24.8 days it wraps, which elapsedMillis
    // turns into the short forward step it is.
    return static_cast<int32_t>(static_cast<uint32_t>(monotonicMillis() - start));
}

int32_t elapsedMillis(int32_t now, int32_t last) {
    // Modular subtraction makes a wrap from the largest count to the smallest a small step.
    const auto difference =
        static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(last));
    return difference < 0 ? 0 : difference;
}
