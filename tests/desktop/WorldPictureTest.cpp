#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "RunningProgram.h"
#include "WorldView.h"

namespace {

using worldview::blockColours;
using worldview::Projection;
using worldview::Seen;
using Pixel = std::pair<int, int>;  // column, row from the top

// Pixels whose colour the starting camera predicts, sampled on a grid over the window: those
// the rolling cube can never cover, and those where it may be in front at times.
struct Prediction {
    std::vector<Pixel> background, backgroundOrRoller;
    std::vector<Pixel> blocks[worldview::blockCount], blocksOrRoller[worldview::blockCount];
};

Prediction predict(const worldview::View& view) {
    Prediction p;
    for (int row = 2; row < 480; row += 4) {
        for (int column = 2; column < 640; column += 4) {
            const worldview::Sight sight = view.robustSightAt(column, row);
            const bool covered = sight.rollerMayCover;
            if (sight.seen == Seen::Background) {
                (covered ? p.backgroundOrRoller : p.background).push_back({column, row});
            } else if (sight.seen == Seen::Block) {
                const int i = sight.blockIndex;
                (covered ? p.blocksOrRoller[i] : p.blocks[i]).push_back({column, row});
            }
        }
    }
    return p;
}

bool isBackground(const Rgb& c) { return c.r == 64 && c.g == 64 && c.b == 64; }

// A block is drawn with its texture multiplied by its colour, so the channels its colour lacks
// stay dark whatever the picture, and the ones it has stay bright on the light block texture.
bool looksLike(const Rgb& c, const worldview::BlockColour& b) {
    const auto fits = [](bool on, int value) { return on ? value >= 40 : value <= 12; };
    return fits(b.r, c.r) && fits(b.g, c.g) && fits(b.b, c.b);
}

// The roller is cyan, so its picture keeps red dark and green and blue alike.
bool looksLikeRoller(const Rgb& c) {
    return c.r <= 12 && c.g >= 30 && c.b >= 30 && std::abs(c.g - c.b) <= 12;
}

std::string describe(const Rgb& c) {
    std::ostringstream out;
    out << c;
    return out.str();
}

std::vector<std::string> mismatches(const RunningProgram::Screenshot& shot, const Prediction& p) {
    std::vector<std::string> found;
    if (shot.width != 640 || shot.height != 480) {
        found.push_back("the window is " + std::to_string(shot.width) + " x " +
                        std::to_string(shot.height));
        return found;
    }
    const auto check = [&](const std::vector<Pixel>& pixels, const std::string& what,
                           bool rollerMayCover, auto&& fits) {
        for (const auto& [column, row] : pixels) {
            const auto c = shot.at(column, row);
            if (fits(c) || (rollerMayCover && looksLikeRoller(c))) continue;
            found.push_back(what + (rollerMayCover ? " or the roller" : "") + " expected at " +
                            std::to_string(column) + "," + std::to_string(row) + ", got " +
                            describe(c));
        }
    };
    check(p.background, "background", false, isBackground);
    check(p.backgroundOrRoller, "background", true, isBackground);
    for (int i = 0; i < worldview::blockCount; ++i) {
        const auto isBlock = [&](const Rgb& c) { return looksLike(c, blockColours[i]); };
        const std::string what = std::string(blockColours[i].name) + " block";
        check(p.blocks[i], what, false, isBlock);
        check(p.blocksOrRoller[i], what, true, isBlock);
    }
    // The roller hides at most a small part of the open view at any moment.
    size_t open = 0;
    for (const auto& [column, row] : p.backgroundOrRoller)
        open += isBackground(shot.at(column, row));
    if (open * 2 < p.backgroundOrRoller.size()) {
        found.push_back("only " + std::to_string(open) + " of " +
                        std::to_string(p.backgroundOrRoller.size()) +
                        " pixels the roller might cover show the background");
    }
    return found;
}

// The frame after a start or a key may still be on its way, so a few pictures are tried before
// the last one's differences count.
RunningProgram::Screenshot expectPicture(RunningProgram& program, const Prediction& p) {
    RunningProgram::Screenshot shot;
    std::vector<std::string> found;
    for (int attempt = 0; attempt < 6; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(400));
        shot = program.screenshot();
        found = mismatches(shot, p);
        if (found.empty()) break;
    }
    std::ostringstream report;
    for (size_t i = 0; i < found.size() && i < 12; ++i) report << "\n  " << found[i];
    EXPECT_TRUE(found.empty()) << found.size() << " pixels differ:" << report.str();
    return shot;
}

int countLookingLike(const RunningProgram::Screenshot& shot, const worldview::BlockColour& b) {
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
    const Prediction perspective = predict(perspectiveView);
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
    const Prediction perspective = predict(perspectiveView);
    const Prediction ortho = predict(orthoView);
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
    program.key("o");
    EXPECT_EQ(titleOnceSettled(program, "Ortho Projection"), "Ortho Projection");
    auto shot = expectPicture(program, ortho);
    expectNotThere(shot, leftByOrtho);
    EXPECT_GT(countLookingLike(shot, blockColours[blue]), 0);
    EXPECT_GT(countLookingLike(shot, blockColours[magenta]), 0);

    // A second o changes nothing; p brings back exactly the starting picture.
    program.key("o");
    EXPECT_EQ(titleOnceSettled(program, "Ortho Projection"), "Ortho Projection");
    expectPicture(program, ortho);
    program.key("p");
    EXPECT_EQ(titleOnceSettled(program, "Perspective Projection"), "Perspective Projection");
    shot = expectPicture(program, perspective);
    expectNotThere(shot, leftByPerspective);
    EXPECT_EQ(countLookingLike(shot, blockColours[blue]), 0);
    EXPECT_EQ(countLookingLike(shot, blockColours[magenta]), 0);
    EXPECT_TRUE(program.alive());
}
