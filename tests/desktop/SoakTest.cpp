#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <string>
#include <thread>

#include "RunningProgram.h"
#include "SoakActions.h"
#include "SoakWatch.h"

namespace {

using Clock = std::chrono::steady_clock;

// Five seconds in the suite; scripts/bench.sh asks for a minute.
int soakSeconds() {
    const char* text = std::getenv("SOAK_SECONDS");
    const int seconds = text != nullptr ? std::atoi(text) : 0;
    return seconds > 0 ? seconds : 5;
}

// A program that still handles its events retitles its window soon after the key; a hung one
// never does, however long we wait.
bool titleBecomes(RunningProgram& program, const std::string& key, const std::string& title) {
    program.key(key);
    const auto deadline = Clock::now() + std::chrono::seconds(15);
    while (Clock::now() < deadline) {
        if (program.title() == title) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

bool exitsWithin(RunningProgram& program, std::chrono::seconds limit) {
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
        if (!program.alive()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

std::string joined(const std::deque<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "  xdotool " + line + "\n";
    return text;
}

}  // namespace

TEST(Soak, RandomInputLeavesTheProgramAliveResponsiveAndClean) {
    const SanitizerReportFolder sanitizerReports;
    RunningProgram program;
    SoakActions actions(20240607u);
    std::deque<std::string> recent;  // what led up to a failure, for its message
    int sent = 0;

    const auto end = Clock::now() + std::chrono::seconds(soakSeconds());
    while (Clock::now() < end) {
        const std::string action = actions.next();
        recent.push_back(action);
        if (recent.size() > 12) recent.pop_front();
        program.xdotool(action);
        ++sent;
        ASSERT_TRUE(program.alive()) << "the program died after " << sent << " inputs; the last:\n"
                                     << joined(recent) << sanitizerReports.reports();
    }

    // Back to its own size and place, then the projection keys must still get through.
    program.xdotool("windowsize WINDOW 640 480 windowmove WINDOW 50 100");
    EXPECT_TRUE(titleBecomes(program, "o", "Ortho Projection"))
        << "no answer to o after " << sent << " inputs; the last:\n"
        << joined(recent);
    EXPECT_TRUE(titleBecomes(program, "p", "Perspective Projection"))
        << "no answer to p after " << sent << " inputs";

    // A clean exit runs the destructors and exit handlers too, which a kill would skip.
    closeLikeAWindowManager(program.windowId());
    ASSERT_TRUE(exitsWithin(program, std::chrono::seconds(60))) << "the window closed, the "
                                                                   "program went on";
    const int status = program.stop();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "exit status " << status << "\n"
                                                               << sanitizerReports.reports();
    EXPECT_EQ(sanitizerReports.reports(), "");
    RecordProperty("inputs", sent);
}
