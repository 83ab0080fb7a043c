#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <stdexcept>
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

// The input sent so far, the last of it kept to say what led up to a failure.
class InputLog {
  public:
    void add(const std::string& action) {
        recent_.push_back(action);
        if (recent_.size() > 12) recent_.pop_front();
        ++count_;
    }
    int count() const { return count_; }
    std::string describe() const {
        std::string text = "after " + std::to_string(count_) + " inputs; the last:\n";
        for (const std::string& line : recent_) text += "  xdotool " + line + "\n";
        return text;
    }

  private:
    std::deque<std::string> recent_;
    int count_ = 0;
};

class Soak : public testing::Test {
  protected:
    void TearDown() override {
        try {
            runCommand("xdotool " + SoakActions::releaseAll() + " >/dev/null 2>&1");
        } catch (const std::runtime_error&) {
            // Without a display there is nothing left pressed.
        }
    }

    // A program that still handles its events retitles its window soon after the key; a hung
    // one never does, however long we wait.
    bool titleBecomes(const std::string& key, const std::string& title) {
        program_.key(key);
        const auto deadline = Clock::now() + std::chrono::seconds(15);
        while (Clock::now() < deadline) {
            if (program_.title() == title) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    std::string diagnosis() {
        std::string text = log_.describe();
        text += program_.alive() ? "the program is still running\n" : "the program has ended\n";
        return text + sanitizerReports_.reports();
    }

    // Declared first: the program must inherit the report settings it makes.
    const SanitizerReportFolder sanitizerReports_;
    RunningProgram program_;
    InputLog log_;
};

}  // namespace

TEST_F(Soak, RandomInputLeavesTheProgramAliveResponsiveAndClean) {
    SoakActions actions(20240607u);
    const auto end = Clock::now() + std::chrono::seconds(soakSeconds());
    try {
        while (Clock::now() < end) {
            const std::string action = actions.next();
            log_.add(action);
            program_.xdotool(action);
            ASSERT_TRUE(program_.alive()) << "the program died " << diagnosis();
        }
        // Back to its own size and place, then the projection keys must still get through.
        program_.xdotool("windowsize WINDOW 640 480 windowmove WINDOW 50 100");
        ASSERT_TRUE(titleBecomes("o", "Ortho Projection")) << "no answer to o " << diagnosis();
        ASSERT_TRUE(titleBecomes("p", "Perspective Projection"))
            << "no answer to p " << diagnosis();
    } catch (const std::runtime_error& error) {
        // xdotool fails once the window is gone, which is how a crash often shows first.
        FAIL() << error.what() << "\n" << diagnosis();
    }

    // A clean exit runs the destructors and exit handlers too, which a kill would skip.
    ASSERT_TRUE(program_.closeWindow(60))
        << "the window was closed but the program went on " << diagnosis();
    const int status = program_.stop();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "exit status " << status << " " << diagnosis();
    EXPECT_EQ(sanitizerReports_.reports(), "");
    RecordProperty("inputs", log_.count());
}
