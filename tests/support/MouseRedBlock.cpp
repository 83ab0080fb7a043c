#include "MouseRedBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

bool isRedDominant(const Rgb& pixel) {
    return pixel.r > 60 && pixel.r > 2 * pixel.g && pixel.r > 2 * pixel.b;
}

RedBlockExtent findRedBlock(const RunningProgram::Screenshot& shot) {
    RedBlockExtent found;
    found.minX = shot.width;
    found.minY = shot.height;
    double sumX = 0.0;
    double sumY = 0.0;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            if (!isRedDominant(shot.at(x, y))) continue;
            ++found.pixels;
            sumX += x;
            sumY += y;
            found.minX = std::min(found.minX, x);
            found.maxX = std::max(found.maxX, x);
            found.minY = std::min(found.minY, y);
            found.maxY = std::max(found.maxY, y);
        }
    }
    if (found.pixels > 0) {
        found.centreX = sumX / found.pixels;
        found.centreY = sumY / found.pixels;
    }
    return found;
}

std::string RedBlockExtent::describe() const {
    std::ostringstream text;
    text << pixels << " red pixels in x " << minX << ".." << maxX << ", y " << minY << ".." << maxY
         << ", centred at (" << centreX << ", " << centreY << ")";
    return text.str();
}

::testing::AssertionResult redBlockSeen(const RedBlockExtent& block, int minPixels) {
    if (block.pixels > minPixels) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "no more than " << minPixels << " red pixels: " << block.describe();
}

RedBlockExtent redBlockNow(const RunningProgram& program) {
    const RedBlockExtent block = findRedBlock(program.screenshot());
    EXPECT_TRUE(redBlockSeen(block));
    return block;
}

::testing::AssertionResult aSecondsFlightNearsTheRedBlock(RunningProgram& program) {
    settle();
    const RedBlockExtent before = redBlockNow(program);
    program.xdotool("mousemove --window WINDOW 320 400 mousedown 1 sleep 1 mouseup 1");
    settle();
    const RedBlockExtent after = redBlockNow(program);
    if (after.width() > 3 * before.width() / 2 && after.height() > 3 * before.height() / 2) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the red block did not come nearer:\n"
                                         << before.describe() << "\n"
                                         << after.describe();
}
