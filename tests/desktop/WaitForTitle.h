#pragma once

#include <chrono>
#include <string>
#include <thread>

#include "RunningProgram.h"

// The program's title after the key just sent: a loaded machine may take a while to deliver the
// key and let the program retitle its window, so this waits up to ten seconds for the expected
// title before giving the one it last saw.
inline std::string titleOnceSettled(const RunningProgram& program, const std::string& expected) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::string title = program.title();
    while (title != expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        title = program.title();
    }
    return title;
}
