#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>

#include "MouseRedBlock.h"
#include "RunningProgram.h"
#include "TestFiles.h"

// The program under a real pointer: xdotool presses, drags and releases inside its window and
// the screenshots show which way the camera went. The red block stands almost straight ahead of
// the starting camera, a little above the middle of the picture.
namespace {

void settle() { std::this_thread::sleep_for(std::chrono::milliseconds(400)); }

}  // namespace

TEST(MouseSteeringDesktop, HoldingTheLeftButtonStillFliesTowardsTheScene) {
    RunningProgram program;
    settle();
    const RedBlockExtent before = redBlockNow(program);
    program.xdotool("mousemove --window WINDOW 320 400 mousedown 1 sleep 1 mouseup 1");
    settle();
    const RedBlockExtent after = redBlockNow(program);
    // A second at 500 units a second halves the distance to the block, or better.
    EXPECT_GT(after.width(), 3 * before.width() / 2) << before.describe() << "\n"
                                                     << after.describe();
    EXPECT_GT(after.height(), 3 * before.height() / 2) << before.describe() << "\n"
                                                       << after.describe();
    EXPECT_TRUE(program.alive());
}

// The system clock set an hour on (by NTP, say) while the left button is held: faketime moves
// the date the program sees from a file, and leaves the monotonic clock alone. A clock that
// followed the date would fly the camera 1.8 million units at once, far out of sight.
TEST(MouseSteeringDesktop, SettingTheSystemClockWhileFlyingDoesNotFlingTheCamera) {
    const std::string library = FAKETIME_LIBRARY;
    ASSERT_EQ(library.find("NOTFOUND"), std::string::npos)
        << "libfaketime is missing; scripts/test.sh installs it";
    const TempDir dir;
    const std::string offset = dir.file("offset");
    writeFile(offset, "+0\n");
    const char* asan = std::getenv("ASAN_OPTIONS");
    ProgramLaunch launch;
    launch.environment = {
        "LD_PRELOAD=" + library, "FAKETIME_TIMESTAMP_FILE=" + offset, "FAKETIME_NO_CACHE=1",
        "FAKETIME_DONT_FAKE_MONOTONIC=1",
        // The sanitizer's library cannot come first with a preloaded one.
        std::string("ASAN_OPTIONS=") + (asan ? asan : "") + ":verify_asan_link_order=0"};
    // The date libfaketime gives under these settings, less the real one, seen by a one-line
    // probe: had the library failed to load or to read the file, the test would prove nothing.
    const auto probedOffset = [&] {
        std::string command = "env";
        for (const std::string& variable : launch.environment) command += " '" + variable + "'";
        return std::stol(runCommand(command + " date +%s")) - static_cast<long>(std::time(nullptr));
    };
    EXPECT_NEAR(probedOffset(), 0, 60);
    RunningProgram program(ROLLING_CUBE_SOURCE_DIR, launch);
    EXPECT_NE(readFile("/proc/" + std::to_string(program.pid()) + "/maps").find(library),
              std::string::npos)
        << "libfaketime is not loaded in the program";
    settle();
    const RedBlockExtent before = redBlockNow(program);
    program.xdotool("mousemove --window WINDOW 320 400 mousedown 1");
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    // Renamed into place, so that the program never reads a half-written offset.
    writeFile(offset + ".new", "+1h\n");
    ASSERT_EQ(std::rename((offset + ".new").c_str(), offset.c_str()), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    program.xdotool("mouseup 1");
    settle();
    EXPECT_NEAR(probedOffset(), 3600, 60) << "the date did not jump an hour";
    // Still in front of the block, a little nearer after flying for a moment.
    const RedBlockExtent after = redBlockNow(program);
    EXPECT_GE(after.width(), before.width()) << before.describe() << "\n" << after.describe();
    EXPECT_TRUE(program.alive());
}

TEST(MouseSteeringDesktop, DraggingLeftTurnsTheViewLeft) {
    RunningProgram program;
    settle();
    const RedBlockExtent before = redBlockNow(program);
    // Ten pixels left in small steps: motion events only come while the button is held.
    program.xdotool(
        "mousemove --window WINDOW 320 400 mousedown 1 "
        "mousemove --window WINDOW 318 400 mousemove --window WINDOW 316 400 "
        "mousemove --window WINDOW 314 400 mousemove --window WINDOW 312 400 "
        "mousemove --window WINDOW 310 400 mouseup 1");
    settle();
    const RedBlockExtent after = redBlockNow(program);
    // Turning 0.1 radian left carries what was ahead about 90 pixels to the right.
    EXPECT_GT(after.centreX, before.centreX + 40) << before.describe() << "\n" << after.describe();
    EXPECT_TRUE(program.alive());
}

TEST(MouseSteeringDesktop, DraggingUpTiltsTheViewUp) {
    RunningProgram program;
    settle();
    const RedBlockExtent before = redBlockNow(program);
    program.xdotool(
        "mousemove --window WINDOW 320 400 mousedown 1 "
        "mousemove --window WINDOW 320 398 mousemove --window WINDOW 320 396 "
        "mousemove --window WINDOW 320 394 mousemove --window WINDOW 320 392 "
        "mousemove --window WINDOW 320 390 mouseup 1");
    settle();
    const RedBlockExtent after = redBlockNow(program);
    // Tilting 0.1 radian up carries what was ahead about 90 pixels down the picture.
    EXPECT_GT(after.centreY, before.centreY + 40) << before.describe() << "\n" << after.describe();
    EXPECT_TRUE(program.alive());
}
