#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "BmpBytes.h"
#include "RollerWorld.h"
#include "RunningProgram.h"
#include "TestFiles.h"
#include "WorldView.h"

namespace {

// Plain white pictures for the program to load from directory: the blocks and the roller then
// show exactly their own colours and the ground is white, so that each thing in a screenshot
// can be told by its colour alone.
void putPlainWhiteTextures(const TempDir& directory) {
    std::filesystem::create_directory(directory.file(pictureFolder));
    BmpHeader header;
    header.width = 4;
    header.height = 4;
    const std::string white =
        bmpFile(header, paddedRows(4, 4, 0, [](int, int, int) { return 255; }));
    for (const StartupPicture& picture : startupPictures) {
        writeFile(directory.file(relativePath(picture)), white);
    }
}

struct ScreenRect {
    double c0, c1, r0, r1;
    bool contains(double c, double r) const { return c >= c0 && c <= c1 && r >= r0 && r <= r1; }
};

// The orthographic view from the starting camera: x runs straight across the screen, and as the
// camera looks 45 degrees down towards -z, a point's row grows with z - y. So a box's corner
// nearest the camera and highest up is its rectangle's top left, the opposite one its bottom
// right.
ScreenRect onScreen(double xMin, double xMax, double yMin, double yMax, double zMin, double zMax,
                    double margin) {
    static const worldview::View ortho(worldview::Projection::Ortho);
    ScreenRect rect{};
    EXPECT_TRUE(ortho.toScreen(xMin, yMax, zMin, rect.c0, rect.r0));
    EXPECT_TRUE(ortho.toScreen(xMax, yMin, zMax, rect.c1, rect.r1));
    return {rect.c0 - margin, rect.c1 + margin, rect.r0 - margin, rect.r1 + margin};
}

// Everything a roller can cover on screen while it rests on a free cell or tips over to a free
// neighbour: it stays above the two cells and never rises higher than the cube's diagonal.
std::vector<ScreenRect> rollerReach() {
    std::vector<ScreenRect> reach;
    for (const rollerworld::Place& place : rollerworld::rollerPlaces()) {
        reach.push_back(onScreen(place.xMin, place.xMax, 0, rollerworld::rollerDiagonal, place.zMin,
                                 place.zMax, 2));
    }
    return reach;
}

struct BlockPixels {
    Rgb colour;
    std::vector<std::pair<int, int>> pixels;  // column, row
};

// For each block, the on-screen pixels of its top face that no roller in a place it may take
// can hide. A roller that went into a block would stand over its top face and hide them.
std::vector<BlockPixels> pixelsNoRollerCanHide() {
    const std::vector<ScreenRect> reach = rollerReach();
    std::vector<BlockPixels> blocks;
    for (int b = 0; b < blockCount; ++b) {
        const CubeLayout& cube = worldCubes[b];
        const double top = cube.y + cube.hy;
        const ScreenRect face = onScreen(cube.x - cube.hx, cube.x + cube.hx, top, top,
                                         cube.z - cube.hz, cube.z + cube.hz, -3);
        BlockPixels block{blockColours[b].shown, {}};
        for (int c = 0; c < 640; ++c) {
            for (int r = 0; r < 480; ++r) {
                const double cc = c + 0.5;
                const double rc = r + 0.5;
                if (!face.contains(cc, rc)) continue;
                bool hideable = false;
                for (const ScreenRect& room : reach) hideable = hideable || room.contains(cc, rc);
                if (!hideable) block.pixels.push_back({c, r});
            }
        }
        blocks.push_back(block);
    }
    return blocks;
}

bool near(int value, int expected) { return std::abs(value - expected) <= 40; }
bool isColour(Rgb p, Rgb c) { return near(p.r, c.r) && near(p.g, c.g) && near(p.b, c.b); }

const Rgb white{255, 255, 255};
const Rgb cyan{0, 255, 255};

}  // namespace

// With plain white pictures the ground is white, the roller exactly cyan and every block its
// own colour, so the roller can be found in each screenshot by its colour.
TEST(RollingWindow, TheRollerMovesAboutAndNeverHidesABlock) {
    const std::vector<BlockPixels> blocks = pixelsNoRollerCanHide();
    const std::vector<ScreenRect> reach = rollerReach();
    int blocksInView = 0;
    for (const BlockPixels& block : blocks) blocksInView += block.pixels.size() >= 100 ? 1 : 0;
    ASSERT_GE(blocksInView, 4);  // only the yellow block lies beyond the window's right edge

    const TempDir scratch;
    putPlainWhiteTextures(scratch);
    RunningProgram program(scratch.path());
    program.key("o");
    ASSERT_EQ(program.title(), "Ortho Projection");

    std::vector<std::pair<double, double>> rollerCentres;
    for (int shot = 0; shot < 8; ++shot) {
        if (shot > 0) std::this_thread::sleep_for(std::chrono::milliseconds(400));
        const RunningProgram::Screenshot picture = program.screenshot();
        ASSERT_EQ(picture.width, 640);
        ASSERT_EQ(picture.height, 480);

        long groundPixels = 0;
        long rollerPixels = 0;
        double columnSum = 0;
        double rowSum = 0;
        ScreenRect rollerBounds{1e9, -1e9, 1e9, -1e9};
        for (int r = 0; r < picture.height; ++r) {
            for (int c = 0; c < picture.width; ++c) {
                const Rgb p = picture.at(c, r);
                if (isColour(p, white)) ++groundPixels;
                if (isColour(p, cyan)) {
                    ++rollerPixels;
                    columnSum += c;
                    rowSum += r;
                    rollerBounds = {
                        std::min(rollerBounds.c0, c + 0.5), std::max(rollerBounds.c1, c + 0.5),
                        std::min(rollerBounds.r0, r + 0.5), std::max(rollerBounds.r1, r + 0.5)};
                }
            }
        }
        ASSERT_GT(groundPixels, 100000) << "the ground does not show the white picture";

        for (size_t b = 0; b < blocks.size(); ++b) {
            int hidden = 0;
            for (const auto& [c, r] : blocks[b].pixels) {
                hidden += isColour(picture.at(c, r), blocks[b].colour) ? 0 : 1;
            }
            EXPECT_EQ(hidden, 0) << "block " << b << " is hidden in shot " << shot;
        }
        // Blocks can only hide parts of it, so what shows must fit the room of one place the
        // roller may take.
        if (rollerPixels > 0) {
            bool fits = false;
            for (const ScreenRect& room : reach) {
                fits = fits || (room.contains(rollerBounds.c0, rollerBounds.r0) &&
                                room.contains(rollerBounds.c1, rollerBounds.r1));
            }
            EXPECT_TRUE(fits) << "the roller in shot " << shot << " covers columns "
                              << rollerBounds.c0 << " to " << rollerBounds.c1 << ", rows "
                              << rollerBounds.r0 << " to " << rollerBounds.r1;
        }
        if (rollerPixels >= 1000) {
            rollerCentres.push_back({columnSum / rollerPixels, rowSum / rollerPixels});
        }
    }
    EXPECT_TRUE(program.alive());

    // Seen at least twice, and far apart at least once: a roll moves it 100 pixels across or
    // about 70 up or down.
    ASSERT_GE(rollerCentres.size(), 2u);
    double farthest = 0;
    for (const auto& a : rollerCentres) {
        for (const auto& b : rollerCentres) {
            farthest = std::max(farthest, std::hypot(a.first - b.first, a.second - b.second));
        }
    }
    EXPECT_GE(farthest, 50.0);
}
