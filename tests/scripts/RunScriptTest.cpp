#include <gtest/gtest.h>

#include <string>

#include "RunningProgram.h"

namespace {

struct ScriptRun {
    int status = -1;
    std::string output;  // standard output and error together
};

// scripts/run.sh with no display, as on a headless server, and the given SCREENSHOT_DELAY.
ScriptRun runWithoutDisplay(const std::string& delay) {
    const std::string printed =
        runCommand("cd '" ROLLING_CUBE_SOURCE_DIR "' && env -u DISPLAY SCREENSHOT_DELAY='" + delay +
                   "' scripts/run.sh 2>&1; echo \"exit status $?\"");
    const size_t at = printed.rfind("exit status ");
    return {std::stoi(printed.substr(at + 12)), printed.substr(0, at)};
}

// A delay that sleep would refuse is refused by the script itself, before it builds anything,
// with a word on what is wrong. A good one ends in a whole picture of the window, put in place
// by a rename, with no temporary copy left beside it. That replaces build/screenshot.png, as
// running the script does.
TEST(RunScript, RefusesAMistypedDelayAndLeavesAWholeScreenshot) {
    for (const std::string delay : {"abc", "-1"}) {
        const ScriptRun refused = runWithoutDisplay(delay);
        EXPECT_NE(refused.status, 0) << delay;
        EXPECT_NE(refused.output.find("SCREENSHOT_DELAY is '" + delay + "'"), std::string::npos)
            << refused.output;
    }

    const ScriptRun run = runWithoutDisplay("0.5");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(runCommand("identify -format '%m %w %h' '" ROLLING_CUBE_SOURCE_DIR
                         "/build/screenshot.png'"),
              "PNG 640 480");
    EXPECT_EQ(runCommand("ls '" ROLLING_CUBE_SOURCE_DIR "/build' | grep screenshot"),
              "screenshot.png\n");
}

}  // namespace
