#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>
#include <vector>

#include "SceneFrame.h"
#include "scene/WorldLayout.h"

// Where the scene puts its blocks, seen from straight above and measured by depth.
using namespace sceneframe;

namespace {

// How far (x, z) lies inside the block's footprint: negative outside.
double insideBy(const Block& b, double x, double z) {
    return std::fmin(b.hx - std::fabs(x - b.x), b.hz - std::fabs(z - b.z));
}

// What the overhead camera must see at ground position (x, z); false where a pixel's centre is
// closer to an edge than the margin.
bool expectedFromAbove(double x, double z, double margin, Rgb& expected) {
    for (const Block& b : blocks) {
        const double inside = insideBy(b, x, z);
        if (std::fabs(inside) < margin) return false;
        if (inside > 0) {
            expected = {b.r, b.g, b.b};
            return true;
        }
    }
    const double groundInside = worldGroundHalfSize - std::fmax(std::fabs(x), std::fabs(z));
    if (std::fabs(groundInside) < margin) return false;
    // The roller at rest is cyan like the untextured ground, so it needs no case of its own.
    expected = groundInside > 0 ? cyan : background;
    return true;
}

// Compares every pixel of an overhead frame with the layout; returns how many differ and
// describes the first few.
int differencesFromAbove(const Frame& frame, double margin, int& checked, std::ostream& report) {
    int wrong = 0;
    for (int py = 0; py < frame.height(); ++py) {
        for (int px = 0; px < frame.width(); ++px) {
            double x = 0, z = 0;
            frame.onGround(px, py, x, z);
            Rgb expected{};
            if (!expectedFromAbove(x, z, margin, expected)) continue;
            ++checked;
            const Rgb actual = frame.colour(px, py);
            if (actual == expected || (expected == background && isBackground(actual))) continue;
            if (++wrong <= 10) {
                report << "\n  at ground (" << x << ", " << z << "): " << actual << " instead of "
                       << expected;
            }
        }
    }
    return wrong;
}

// Every pixel of an overhead frame that is not within margin of an edge must show the layout,
// and nearly all of them must be far enough from every edge to be judged.
void expectLayoutFromAbove(const Frame& frame, double margin) {
    int checked = 0;
    std::ostringstream report;
    EXPECT_EQ(differencesFromAbove(frame, margin, checked, report), 0)
        << "pixels that differ from the world's layout:" << report.str();
    EXPECT_GT(checked, frame.width() * frame.height() * 9 / 10);
}

}  // namespace

TEST_F(SceneDraw, FromAboveEveryBlockCoversExactlyItsFootprintOnTheGround) {
    Scene scene;
    {
        // The whole ground at once: nothing missing, nothing extra, nothing out of place.
        loadOverheadProjection();
        expectLayoutFromAbove(Frame(scene, overhead), 4.0);
    }
    // Each block close up, where a pixel is a quarter of a unit, so that a footprint one unit
    // off shows.
    for (const Block& b : blocks) {
        SCOPED_TRACE(b.name);
        loadOverheadProjection(0.25);
        const std::array<double, 9> above = {b.x, 2000, b.z, b.x, 0, b.z, 0, 0, -1};
        expectLayoutFromAbove(Frame(scene, above), 0.5);
    }
}

TEST_F(SceneDraw, EveryBlockRestsOnTheGroundAtItsHeight) {
    Scene scene;
    loadOverheadProjection();
    const Frame frame(scene, overhead);
    std::vector<Block> all = blocks;
    all.push_back(rollerAtRest);
    for (const Block& b : all) {
        SCOPED_TRACE(b.name);
        int px = 0, py = 0;
        ASSERT_TRUE(frame.pixelOf(b.x, 0, b.z, px, py));
        double x = 0, y = 0, z = 0;
        frame.surfaceAt(px, py, x, y, z);
        // The top face is at twice the half height: the centre sits at the half height.
        EXPECT_NEAR(y, 2 * b.hy, 0.5);
        EXPECT_NEAR(x, b.x, 2.5);
        EXPECT_NEAR(z, b.z, 2.5);
    }
    // Beside the blocks the nearest surface is the ground itself.
    int px = 0, py = 0;
    ASSERT_TRUE(frame.pixelOf(-300, 0, -300, px, py));
    double x = 0, y = 0, z = 0;
    frame.surfaceAt(px, py, x, y, z);
    EXPECT_NEAR(y, 0, 0.5);
}
