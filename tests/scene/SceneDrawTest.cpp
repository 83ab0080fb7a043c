#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "SceneFrame.h"
#include "scene/WorldLayout.h"

// What the scene's frame shows from the starting camera, and how it colours and textures it.
using namespace sceneframe;

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
    EXPECT_TRUE(isBackground(frame.colour(px, py + 3))) << frame.colour(px, py + 3);
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
