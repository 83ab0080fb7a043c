#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Rgb.h"
#include "TestWindow.h"
#include "scene/Scene.h"
#include "scene/WorldLayout.h"

namespace {

// The world as the program lays it out: centre, colour as a pixel shows it and half sizes.
struct Block {
    std::string name;
    float x, y, z;
    int r, g, b;
    float hx, hy, hz;
};

Block shown(std::string name, float x, float y, float z, float r, float g, float b, float hx,
            float hy, float hz) {
    const auto byte = [](float c) { return static_cast<int>(std::lround(c * 255)); };
    return {std::move(name), x, y, z, byte(r), byte(g), byte(b), hx, hy, hz};
}

std::vector<Block> layoutBlocks() {
    std::vector<Block> blocks;
    for (const CubeLayout& c : worldCubes) {
        blocks.push_back(
            shown(colourName(c.r, c.g, c.b), c.x, c.y, c.z, c.r, c.g, c.b, c.hx, c.hy, c.hz));
    }
    return blocks;
}

const std::vector<Block> blocks = layoutBlocks();
const float rollerHalf = worldRoller.halfEdge;
const Block rollerAtRest =
    shown("roller", worldRoller.x, worldRoller.y, worldRoller.z, worldRoller.r, worldRoller.g,
          worldRoller.b, rollerHalf, rollerHalf, rollerHalf);

const Rgb background{64, 64, 64};
const Rgb cyan{0, 255, 255};

// One frame of a scene seen through a camera, read back from the window together with the
// matrices it was drawn with, so that world points can be mapped to pixels and back.
class Frame {
  public:
    // Draws with the projection already loaded and the camera given by gluLookAt's arguments.
    Frame(Scene& scene, const std::array<double, 9>& lookAt) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPushMatrix();
        gluLookAt(lookAt[0], lookAt[1], lookAt[2], lookAt[3], lookAt[4], lookAt[5], lookAt[6],
                  lookAt[7], lookAt[8]);
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview_);
        scene.draw();
        glPopMatrix();
        glGetDoublev(GL_PROJECTION_MATRIX, projection_);
        glGetIntegerv(GL_VIEWPORT, viewport_);
        glFinish();
        const int w = viewport_[2], h = viewport_[3];
        colours_.resize(static_cast<size_t>(w) * h * 4);
        depths_.resize(static_cast<size_t>(w) * h);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, colours_.data());
        glReadPixels(0, 0, w, h, GL_DEPTH_COMPONENT, GL_FLOAT, depths_.data());
    }

    int width() const { return viewport_[2]; }
    int height() const { return viewport_[3]; }

    Rgb colour(int px, int py) const {
        const size_t i = (static_cast<size_t>(py) * width() + px) * 4;
        return {colours_[i], colours_[i + 1], colours_[i + 2]};
    }

    // The pixel a world point falls in; fails the test if it is off the window.
    bool pixelOf(double x, double y, double z, int& px, int& py) const {
        double wx = 0, wy = 0, wz = 0;
        gluProject(x, y, z, modelview_, projection_, viewport_, &wx, &wy, &wz);
        px = static_cast<int>(std::floor(wx));
        py = static_cast<int>(std::floor(wy));
        const bool inside = px >= 0 && py >= 0 && px < width() && py < height();
        EXPECT_TRUE(inside) << "(" << x << ", " << y << ", " << z << ") is off the window";
        return inside;
    }

    Rgb colourAt(double x, double y, double z) const {
        int px = 0, py = 0;
        return pixelOf(x, y, z, px, py) ? colour(px, py) : Rgb{-1, -1, -1};
    }

    // The world point whose surface was drawn nearest at a pixel's centre.
    void surfaceAt(int px, int py, double& x, double& y, double& z) const {
        const double depth = depths_[static_cast<size_t>(py) * width() + px];
        gluUnProject(px + 0.5, py + 0.5, depth, modelview_, projection_, viewport_, &x, &y, &z);
    }

    // Where a pixel's centre lies on the plane y = 0 seen through this camera.
    void onGround(int px, int py, double& x, double& z) const {
        double nx, ny, nz, fx, fy, fz;
        gluUnProject(px + 0.5, py + 0.5, 0.0, modelview_, projection_, viewport_, &nx, &ny, &nz);
        gluUnProject(px + 0.5, py + 0.5, 1.0, modelview_, projection_, viewport_, &fx, &fy, &fz);
        const double t = ny / (ny - fy);
        x = nx + t * (fx - nx);
        z = nz + t * (fz - nz);
    }

  private:
    GLdouble modelview_[16];
    GLdouble projection_[16];
    GLint viewport_[4];
    std::vector<unsigned char> colours_;
    std::vector<float> depths_;
};

const std::array<double, 9> startingCamera = testwindow::startingLookAt();

// High above the origin looking straight down, -z up the picture, 2.5 world units a pixel.
const std::array<double, 9> overhead = {0, 2000, 0, 0, 0, 0, 0, 0, -1};
void loadOverheadProjection(double unitsPerPixel = 2.5) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-320 * unitsPerPixel, 320 * unitsPerPixel, -240 * unitsPerPixel, 240 * unitsPerPixel,
            10, 10000);
    glMatrixMode(GL_MODELVIEW);
}

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
            if (actual == expected) continue;
            if (++wrong <= 10) {
                report << "\n  at ground (" << x << ", " << z << "): " << actual << " instead of "
                       << expected;
            }
        }
    }
    return wrong;
}

class SceneDraw : public testing::Test {
  protected:
    void SetUp() override { testwindow::resetToProgramState(); }
};

}  // namespace

TEST_F(SceneDraw, UntexturedGroundTakesTheLastColourSetWhichIsTheRollers) {
    Scene scene;
    {
        const Frame frame(scene, startingCamera);
        EXPECT_EQ(frame.colourAt(-120, 0, -100), cyan);
        EXPECT_EQ(frame.colourAt(120, 0, -100), cyan);
    }
    // Repainting the roller repaints the ground with it.
    scene.roller->color[0] = 1.0f;
    scene.roller->color[1] = 0.5f;
    scene.roller->color[2] = 0.0f;
    const Frame frame(scene, startingCamera);
    const Rgb ground = frame.colourAt(-120, 0, -100);
    EXPECT_EQ(ground.r, 255);
    EXPECT_NEAR(ground.g, 128, 1);
    EXPECT_EQ(ground.b, 0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "texturing must end with the frame";
}

TEST_F(SceneDraw, FromAboveEveryBlockCoversExactlyItsFootprintOnTheGround) {
    Scene scene;
    {
        // The whole ground at once: nothing missing, nothing extra, nothing out of place.
        loadOverheadProjection();
        const Frame frame(scene, overhead);
        int checked = 0;
        std::ostringstream report;
        EXPECT_EQ(differencesFromAbove(frame, 4.0, checked, report), 0)
            << "pixels that differ from the world's layout:" << report.str();
        EXPECT_GT(checked, frame.width() * frame.height() * 9 / 10);
    }
    // Each block close up, where a pixel is a quarter of a unit, so that a footprint one unit
    // off shows.
    for (const Block& b : blocks) {
        SCOPED_TRACE(b.name);
        loadOverheadProjection(0.25);
        const std::array<double, 9> above = {b.x, 2000, b.z, b.x, 0, b.z, 0, 0, -1};
        const Frame frame(scene, above);
        int checked = 0;
        std::ostringstream report;
        EXPECT_EQ(differencesFromAbove(frame, 0.5, checked, report), 0)
            << "pixels that differ from the world's layout:" << report.str();
        EXPECT_GT(checked, frame.width() * frame.height() * 9 / 10);
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

TEST_F(SceneDraw, FromTheStartingCameraTheRedAndGreenBlocksFaceTheViewer) {
    Scene scene;
    const Frame frame(scene, startingCamera);
    const Block& red = blocks[0];
    const Block& green = blocks[1];
    struct Face {
        const Block& block;
        int across;  // the axis the face is perpendicular to: 0 x, 1 y, 2 z
        int side;    // which end of that axis: 1 or -1
    };
    // The faces turned towards the camera high above the ground's near half: the tops, the
    // fronts (+z) and the green block's -x side, which the camera sees past the red block.
    const Face faces[] = {{red, 1, 1}, {red, 2, 1}, {green, 1, 1}, {green, 2, 1}, {green, 0, -1}};
    for (const Face& f : faces) {
        const Block& b = f.block;
        const double half[3] = {b.hx, b.hy, b.hz};
        double at[3] = {b.x, b.y, b.z};  // then moved to the face's centre
        at[f.across] += f.side * half[f.across];
        SCOPED_TRACE(testing::Message()
                     << b.name << " at (" << at[0] << ", " << at[1] << ", " << at[2] << ")");
        int px = 0, py = 0;
        ASSERT_TRUE(frame.pixelOf(at[0], at[1], at[2], px, py));
        EXPECT_EQ(frame.colour(px, py), (Rgb{b.r, b.g, b.b}));
        // The surface drawn there lies in the face's plane; along the face a pixel spans
        // several units when the face is seen at a slant.
        double surface[3] = {0, 0, 0};
        frame.surfaceAt(px, py, surface[0], surface[1], surface[2]);
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_NEAR(surface[axis], at[axis], axis == f.across ? 0.5 : 6.0) << "axis " << axis;
        }
    }
    // Open ground just in front of both blocks and to the left of the red one, and beyond the
    // far edge the background.
    EXPECT_EQ(frame.colourAt(red.x, 0, red.z + red.hz + 10), cyan);
    EXPECT_EQ(frame.colourAt(green.x, 0, green.z + green.hz + 10), cyan);
    EXPECT_EQ(frame.colourAt(red.x - red.hx - 50, 0, red.z), cyan);
    int px = 0, py = 0;
    ASSERT_TRUE(frame.pixelOf(0, 0, -worldGroundHalfSize, px, py));
    EXPECT_EQ(frame.colour(px, py + 3), background);
}

namespace {

GLuint solidTexture(unsigned char r, unsigned char g, unsigned char b) {
    const unsigned char pixels[2 * 2 * 3] = {r, g, b, r, g, b, r, g, b, r, g, b};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

void expectClose(const Rgb& actual, const Rgb& expected) {
    EXPECT_TRUE(std::abs(actual.r - expected.r) <= 1 && std::abs(actual.g - expected.g) <= 1 &&
                std::abs(actual.b - expected.b) <= 1)
        << actual << " instead of " << expected;
}

}  // namespace

TEST_F(SceneDraw, BlocksAndRollerTintTheirTexturesWhileTheGroundShowsItsOwn) {
    Scene scene;
    scene.cubeTexture = solidTexture(128, 128, 128);
    scene.rollerTexture = solidTexture(64, 192, 128);
    scene.groundTexture = solidTexture(10, 200, 30);
    loadOverheadProjection();
    // The first frame leaves the ground's texture mode behind; the second shows that each
    // frame sets the blocks' mode again.
    { const Frame first(scene, overhead); }
    const Frame frame(scene, overhead);

    // Seen on their tops, the blocks' grey and the roller's picture times their colours.
    const auto tinted = [](const Block& b, const Rgb& picture) {
        return Rgb{picture.r * b.r / 255, picture.g * b.g / 255, picture.b * b.b / 255};
    };
    for (const Block& b : blocks) {
        SCOPED_TRACE(b.name);
        expectClose(frame.colourAt(b.x, b.y + b.hy, b.z), tinted(b, {128, 128, 128}));
    }
    const Block& r = rollerAtRest;
    expectClose(frame.colourAt(r.x, r.y + r.hy, r.z), tinted(r, {64, 192, 128}));
    // The ground's picture is not tinted by the roller's colour, the last one set.
    expectClose(frame.colourAt(-300, 0, -300), {10, 200, 30});
    expectClose(frame.colourAt(400, 0, 400), {10, 200, 30});
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    const GLuint names[] = {scene.cubeTexture, scene.rollerTexture, scene.groundTexture};
    glDeleteTextures(3, names);
}
