#pragma once

#include <vector>

// A test binary that links RandRecorder.cpp routes every rand() call, the roller's included,
// through a recorder that forwards to the C library, so the sequence of numbers is unchanged
// while a test can see exactly which numbers a call consumed.
namespace randrecorder {

// Forgets the draws noted so far and starts noting afresh.
void start();

// The draws made since the last start(), oldest first.
const std::vector<int>& draws();

}  // namespace randrecorder
