#pragma once

#include <cstddef>

// Linking AllocationProbe.cpp into a test executable replaces the global operator new and
// delete (every form but the aligned ones) with versions that watch each allocation's size and
// can fail one on request, as when memory runs out, or look around when one is made.
namespace allocationprobe {

void resetLargest();

// The largest single allocation since the last reset.
size_t largest();

// The next allocation of at least bytes throws std::bad_alloc; 0 disarms.
void failNextOfAtLeast(size_t bytes);

// Calls action just before every allocation of at least bytes, except those action makes itself;
// 0 stops it.
void watchEveryOfAtLeast(size_t bytes, void (*action)());

}  // namespace allocationprobe
