#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "MouseRedBlock.h"
#include "RunningProgram.h"

// The program under a real pointer: xdotool presses, drags and releases inside its window and
// the screenshots show which way the camera went. The red block stands almost straight ahead of
// the starting camera, a little above the middle of the picture.
namespace {

void settle() { std::this_thread::sleep_for(std::chrono::milliseconds(400)); }

RedBlockExtent redBlockNow(const RunningProgram& program) {
    const RedBlockExtent block = findRedBlock(program.screenshot());
    // Big enough that a stray pixel cannot pass for the block.
    EXPECT_GT(block.pixels, 200) << block.describe();
    return block;
}

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
