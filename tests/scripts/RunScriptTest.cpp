#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "RunningProgram.h"
#include "TestFiles.h"

namespace {

// A script of the checkout in folder, typed as a user would, with no display, as on a headless
// server, and with a CDPATH exported, as many shell profiles do, which makes cd print the folder
// it enters.
CommandOutcome runScript(const std::string& folder, const std::string& commandLine) {
    return runCommandForOutcome("cd " + shellQuoted(folder) + " && env -u DISPLAY CDPATH=. " +
                                commandLine);
}

// scripts/run.sh with the given SCREENSHOT_DELAY.
CommandOutcome runWithoutDisplay(const std::string& delay,
                                 const std::string& folder = ROLLING_CUBE_SOURCE_DIR) {
    return runScript(folder, "SCREENSHOT_DELAY=" + shellQuoted(delay) + " scripts/run.sh");
}

// Every folder and file under folder that another user could not read, enter or run.
std::string closedToOthers(const std::string& folder) {
    return runCommand("cd " + shellQuoted(folder) +
                      " && find . \\( -type d -o -perm -u+x \\) ! -perm 755 -o -type f ! -perm 644"
                      " ! -perm 755");
}

// A delay that sleep would refuse is refused by the script itself, before it builds anything,
// with a word on what is wrong, and so, in one line, is a folder whose path CMake cannot take.
// A good one ends in a whole picture of the window, put in place by a rename, with no temporary
// copy left beside it, also when the checkout's path holds what a shell would misread. That
// build, installed under a umask that leaves others nothing, serves every user. A pick of tests
// that runs none fails, before anything is built, as does an option ctest does not know.
TEST(RunScript, RefusesMistakesAndLeavesAWholeScreenshotAndAnInstallForEveryone) {
    for (const std::string delay : {"abc", "-1"}) {
        const CommandOutcome refused = runWithoutDisplay(delay);
        EXPECT_NE(refused.status, 0) << delay;
        EXPECT_NE(refused.output.find("SCREENSHOT_DELAY is '" + delay + "'"), std::string::npos)
            << refused.output;
    }
    const TempDir scratch;
    std::filesystem::create_directory_symlink(ROLLING_CUBE_SOURCE_DIR, scratch.file("say \""));
    const CommandOutcome refused = runWithoutDisplay("0.5", scratch.file("say \""));
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
    const CommandOutcome run = runWithoutDisplay("0.5", copy);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(
        runCommand("identify -format '%m %w %h' " + shellQuoted(copy + "/build/screenshot.png")),
        "PNG 640 480");
    EXPECT_EQ(runCommand("ls " + shellQuoted(copy + "/build") + " | grep screenshot"),
              "screenshot.png\n");

    const TempDir shared;
    ASSERT_EQ(chmod(shared.path().c_str(), 0755), 0);
    const std::string prefix = shared.file("usr");
    runCommand("umask 077 && cmake --install " + shellQuoted(copy + "/build") + " --prefix " +
               shellQuoted(prefix) + " >/dev/null");
    EXPECT_EQ(closedToOthers(prefix), "");
    ProgramLaunch asNobody;
    asNobody.executable = "/usr/bin/setpriv";
    asNobody.arguments = {"--reuid=65534", "--regid=65534", "--clear-groups",
                          prefix + "/bin/rolling-cube"};
    asNobody.environment = {"HOME=/nonexistent"};
    {
        RunningProgram program("/", asNobody);
        EXPECT_EQ(loadingLines(program), allPicturesLoaded);
    }

    for (const std::string pick : {"-L nosuchlabel", "-L Quick", "--no-such-option"}) {
        const CommandOutcome picked = runScript(copy, "scripts/test.sh " + pick);
        EXPECT_NE(picked.status, 0) << pick;
        EXPECT_NE(picked.output.find(pick.substr(0, 2) == "-L" ? "the labels are quick desktop"
                                                               : "usage: scripts/test.sh"),
                  std::string::npos)
            << pick << ": " << picked.output;
    }
    EXPECT_FALSE(std::filesystem::exists(copy + "/build-test/src/librollingcube.a"))
        << "built before refusing";
}

}  // namespace
