#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "RunningProgram.h"
#include "TestFiles.h"

namespace {

struct ScriptRun {
    int status = -1;
    std::string output;  // standard output and error together
};

// scripts/run.sh of the checkout in folder with no display, as on a headless server, and the
// given SCREENSHOT_DELAY.
ScriptRun runWithoutDisplay(const std::string& delay,
                            const std::string& folder = ROLLING_CUBE_SOURCE_DIR) {
    const std::string printed = runCommand(
        "cd " + shellQuoted(folder) + " && env -u DISPLAY SCREENSHOT_DELAY=" + shellQuoted(delay) +
        " scripts/run.sh 2>&1; echo \"exit status $?\"");
    const size_t at = printed.rfind("exit status ");
    return {std::stoi(printed.substr(at + 12)), printed.substr(0, at)};
}

// A delay that sleep would refuse is refused by the script itself, before it builds anything,
// with a word on what is wrong, and so, in one line, is a folder whose path CMake cannot take.
// A good one ends in a whole picture of the window, put in place by a rename, with no temporary
// copy left beside it, also when the checkout's path holds what a shell would misread.
TEST(RunScript, RefusesAMistypedDelayAndLeavesAWholeScreenshot) {
    for (const std::string delay : {"abc", "-1"}) {
        const ScriptRun refused = runWithoutDisplay(delay);
        EXPECT_NE(refused.status, 0) << delay;
        EXPECT_NE(refused.output.find("SCREENSHOT_DELAY is '" + delay + "'"), std::string::npos)
            << refused.output;
    }
    const TempDir scratch;
    std::filesystem::create_directory_symlink(ROLLING_CUBE_SOURCE_DIR, scratch.file("say \""));
    const ScriptRun refused = runWithoutDisplay("0.5", scratch.file("say \""));
    EXPECT_TRUE(refused.status != 0 && refused.output.find('\n') == refused.output.size() - 1 &&
                refused.output.find("holds '\"'") != std::string::npos)
        << refused.output;

    // The checkout's files as they are now, committed or not, copied under the awkward name.
    const std::string copy = scratch.file(awkwardFolderName);
    std::filesystem::create_directory(copy);
    runCommand("cd " + shellQuoted(ROLLING_CUBE_SOURCE_DIR) +
               " && git ls-files -zco --exclude-standard" +
               " | tar --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C " +
               shellQuoted(copy));
    const ScriptRun run = runWithoutDisplay("0.5", copy);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(
        runCommand("identify -format '%m %w %h' " + shellQuoted(copy + "/build/screenshot.png")),
        "PNG 640 480");
    EXPECT_EQ(runCommand("ls " + shellQuoted(copy + "/build") + " | grep screenshot"),
              "screenshot.png\n");
}

}  // namespace
