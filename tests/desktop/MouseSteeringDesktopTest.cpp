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
TEST(MouseSteeringDesktop, HoldingTheLeftButtonStillFliesTowardsTheScene) {
    RunningProgram program;
    EXPECT_TRUE(aSecondsFlightNearsTheRedBlock(program));
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

namespace {

// A drag of ten pixels in five steps, along (dx, dy).
struct Drag {
    const char* name;
    int dx, dy;
};

// Names each case in the test's name.
void PrintTo(const Drag& drag, std::ostream* out) { *out << drag.name; }

class MouseDrag : public testing::TestWithParam<Drag> {};

}  // namespace

// Turning 0.1 radian left carries what was ahead about 90 pixels to the right; tilting 0.1
// radian up carries it about 90 pixels down the picture.
TEST_P(MouseDrag, TurnsTheViewThatWay) {
    const Drag drag = GetParam();
    RunningProgram program;
    settle();
    const RedBlockExtent before = redBlockNow(program);
    // In small steps: motion events only come while the button is held.
    std::string steps = "mousemove --window WINDOW 320 400 mousedown 1";
    for (int step = 2; step <= 10; step += 2) {
        steps += " mousemove --window WINDOW " + std::to_string(320 + step * drag.dx) + " " +
                 std::to_string(400 + step * drag.dy);
    }
    program.xdotool(steps + " mouseup 1");
    settle();
    const RedBlockExtent after = redBlockNow(program);
    const double away =
        (before.centreX - after.centreX) * drag.dx + (before.centreY - after.centreY) * drag.dy;
    EXPECT_GT(away, 40) << before.describe() << "\n" << after.describe();
    EXPECT_TRUE(program.alive());
}

INSTANTIATE_TEST_SUITE_P(MouseSteeringDesktop, MouseDrag,
                         testing::Values(Drag{"Left", -1, 0}, Drag{"Up", 0, -1}));
