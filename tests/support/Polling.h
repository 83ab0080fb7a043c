#pragma once

#include <chrono>
#include <string>
#include <thread>

// Asks again every 100 ms until the answer is the wanted one or the time is up, and gives the
// last answer: a loaded machine may take a while to show the program's window, found by its
// title, to retitle it after a key or to write its output.
template <typename Ask, typename Wanted>
std::string pollUntil(std::chrono::seconds limit, Ask ask, Wanted wanted) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::string answer = ask();
    while (!wanted(answer) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        answer = ask();
    }
    return answer;
}
