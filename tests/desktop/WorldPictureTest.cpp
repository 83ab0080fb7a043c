#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "PicturePrediction.h"
#include "RunningProgram.h"
#include "WorldView.h"

namespace {

using worldview::expectPicture;
using worldview::looksLike;
using worldview::Pixel;
using worldview::Prediction;
using worldview::Projection;
using worldview::Seen;

int countLookingLike(const RunningProgram::Screenshot& shot, const BlockColour& b) {
    int count = 0;
    for (int row = 0; row < shot.height; ++row) {
        for (int column = 0; column < shot.width; ++column) {
            if (looksLike(shot.at(column, row), b)) ++count;
        }
    }
    return count;
}

constexpr int red = 0, green = 1, blue = 2, yellow = 3, magenta = 4;
constexpr int enough = 25;

void waitForFirstFrames() { std::this_thread::sleep_for(std::chrono::milliseconds(500)); }

}  // namespace

TEST(WorldPicture, PerspectiveShowsTheRedAndGreenBlocksOverTheGreyBackground) {
    const worldview::View perspectiveView(Projection::Perspective);
    const Prediction perspective = worldview::predict(perspectiveView);
    // From the starting camera only the two blocks behind the roller are in the picture.
    ASSERT_GE(perspective.blocks[red].size(), enough);
    ASSERT_GE(perspective.blocks[green].size(), enough);
    ASSERT_GE(perspective.backgroundOrRoller.size(), 10u * enough);
    for (const int outOfView : {blue, yellow, magenta}) {
        ASSERT_TRUE(perspective.blocks[outOfView].empty()) << blockColours[outOfView].name;
    }

    RunningProgram program;
    waitForFirstFrames();
    EXPECT_EQ(program.title(), "Perspective Projection");
    const auto shot = expectPicture(program, perspective);
    ASSERT_EQ(shot.width, 640);
    ASSERT_EQ(shot.height, 480);
    EXPECT_EQ(countLookingLike(shot, blockColours[blue]), 0);
    EXPECT_EQ(countLookingLike(shot, blockColours[magenta]), 0);
    EXPECT_TRUE(program.alive());
}

TEST(WorldPicture, OrthoAlsoShowsTheNearBlocksAndDiffersAsTheProjectionsPredict) {
    const worldview::View perspectiveView(Projection::Perspective);
    const worldview::View orthoView(Projection::Ortho);
    const Prediction perspective = worldview::predict(perspectiveView);
    const Prediction ortho = worldview::predict(orthoView);
    for (const int inView : {red, green, blue, magenta}) {
        ASSERT_GE(ortho.blocks[inView].size(), enough) << blockColours[inView].name;
    }
    ASSERT_GE(ortho.backgroundOrRoller.size(), 10u * enough);

    // Pixels where one projection shows a block and the other something else: the blocks are
    // smaller and lower in the orthographic picture.
    std::vector<std::pair<Pixel, int>> leftByPerspective, leftByOrtho;  // pixel, block
    for (int row = 2; row < 480; row += 4) {
        for (int column = 2; column < 640; column += 4) {
            const auto a = perspectiveView.robustSightAt(column, row);
            const auto b = orthoView.robustSightAt(column, row);
            if (a.seen == Seen::Unknown || b.seen == Seen::Unknown || a.sameThing(b)) continue;
            if (a.seen == Seen::Block) leftByOrtho.push_back({{column, row}, a.blockIndex});
            if (b.seen == Seen::Block) leftByPerspective.push_back({{column, row}, b.blockIndex});
        }
    }
    ASSERT_GE(leftByOrtho.size(), enough);
    ASSERT_GE(leftByPerspective.size(), enough);
    const auto expectNotThere = [](const RunningProgram::Screenshot& shot,
                                   const std::vector<std::pair<Pixel, int>>& pixels) {
        for (const auto& [pixel, block] : pixels) {
            EXPECT_FALSE(looksLike(shot.at(pixel.first, pixel.second), blockColours[block]))
                << blockColours[block].name << " block not expected at " << pixel.first << ","
                << pixel.second;
        }
    };

    RunningProgram program;
    waitForFirstFrames();
    EXPECT_EQ(titleAfterKey(program, "o", "Ortho Projection"), "Ortho Projection");
    auto shot = expectPicture(program, ortho);
    expectNotThere(shot, leftByOrtho);
    EXPECT_GT(countLookingLike(shot, blockColours[blue]), 0);
    EXPECT_GT(countLookingLike(shot, blockColours[magenta]), 0);

    // A second o changes nothing; p brings back exactly the starting picture.
    EXPECT_EQ(titleAfterKey(program, "o", "Ortho Projection"), "Ortho Projection");
    expectPicture(program, ortho);
    EXPECT_EQ(titleAfterKey(program, "p", "Perspective Projection"), "Perspective Projection");
    shot = expectPicture(program, perspective);
    expectNotThere(shot, leftByPerspective);
    EXPECT_EQ(countLookingLike(shot, blockColours[blue]), 0);
    EXPECT_EQ(countLookingLike(shot, blockColours[magenta]), 0);
    EXPECT_TRUE(program.alive());
}

// Some launchers start programs with standard output closed. The display connection, opened
// next, must not take descriptor 1, or the first console line goes into the X protocol stream
// and the window never draws.
TEST(WorldPicture, ProgramStartedWithItsOutputClosedStillDraws) {
    ProgramLaunch launch;
    launch.standardOutputClosed = true;
    RunningProgram program(ROLLING_CUBE_SOURCE_DIR, launch);
    waitForFirstFrames();
    expectPicture(program, worldview::startingPicture());
    for (int stream = 0; stream < 3; ++stream) {
        const std::string descriptor =
            "/proc/" + std::to_string(program.pid()) + "/fd/" + std::to_string(stream);
        struct stat target {};
        EXPECT_FALSE(stat(descriptor.c_str(), &target) == 0 && S_ISSOCK(target.st_mode))
            << descriptor << " is a socket";
    }
    EXPECT_TRUE(program.alive());
}
