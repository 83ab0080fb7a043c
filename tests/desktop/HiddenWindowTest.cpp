#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#include "MouseRedBlock.h"
#include "RunningProgram.h"

// The program's window unmapped and mapped again with xdotool, as a window manager does when the
// window is minimised and restored.
namespace {

// Processor seconds the process has used so far, all its threads together.
double cpuSeconds(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // The fields after the command name, from the third (the state) on.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string skipped;
    for (int field = 3; field < 14; ++field) fields >> skipped;
    long userTicks = 0;
    long systemTicks = 0;
    fields >> userTicks >> systemTicks;
    EXPECT_TRUE(fields) << stat;
    return static_cast<double>(userTicks + systemTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

TEST(HiddenWindow, AButtonReleasedWhileHiddenFliesNoFurther) {
    RunningProgram program;
    settle();
    const RedBlockExtent before = redBlockNow(program);
    // Half a second of flying while the window shows, then the window is unmapped, and the
    // release goes to whatever is under the pointer instead.
    program.xdotool(
        "mousemove --window WINDOW 320 400 mousedown 1 sleep 0.5 windowunmap --sync WINDOW "
        "mouseup 1 windowmap --sync WINDOW");
    settle();
    const RedBlockExtent shown = redBlockNow(program);
    // The press flew: 250 of the 690 units to the block make it half as wide again.
    EXPECT_GT(shown.width(), 5 * before.width() / 4) << before.describe() << "\n"
                                                     << shown.describe();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const RedBlockExtent later = redBlockNow(program);
    // A second more of flying would carry the camera past the block. The block's top edge is
    // compared because the roller, unlike the camera, can never rise into the view of it.
    EXPECT_EQ(later.minY, shown.minY) << shown.describe() << "\n" << later.describe();
    EXPECT_TRUE(program.alive());
}

TEST(HiddenWindow, SleepsWhileHiddenAndRunsAgainOnceShown) {
    RunningProgram program;
    program.xdotool("windowunmap --sync WINDOW");
    settle();
    const double cpuBefore = cpuSeconds(program.pid());
    std::this_thread::sleep_for(std::chrono::seconds(2));
    // A frame loop spinning with nothing to draw takes most of a core even on a busy machine.
    EXPECT_LT(cpuSeconds(program.pid()) - cpuBefore, 0.2);

    program.xdotool("windowmap --sync WINDOW");
    // Only a running frame loop flies the camera.
    EXPECT_TRUE(aSecondsFlightNearsTheRedBlock(program));
    EXPECT_TRUE(program.alive());
}
