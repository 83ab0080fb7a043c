#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "GlTransform.h"
#include "TestWindow.h"
#include "scene/Cube.h"
#include "scene/RollDirection.h"
#include "scene/Roller.h"

namespace {

constexpr float h = 50.0f;
const float root2 = std::sqrt(2.0f);

struct Box {
    float min[3];
    float max[3];
};

// An orthographic box 2000 units deep around the origin, so that no corner is clipped away.
void loadWorldToWindowProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-320, 320, -240, 240, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The corners the roller sends to OpenGL, caught in feedback mode after every transformation.
Box drawnBounds(Roller& roller) {
    std::vector<GLfloat> buffer(4096);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    roller.draw();
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_GT(used, 0);

    const gltransform::Transform toWorld = gltransform::currentTransform();
    Box box{{1e9f, 1e9f, 1e9f}, {-1e9f, -1e9f, -1e9f}};
    int vertices = 0;
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[i], GL_POLYGON_TOKEN);
        if (buffer[i] != GL_POLYGON_TOKEN) break;
        const int count = static_cast<int>(buffer[i + 1]);
        i += 2;
        for (int v = 0; v < count; ++v, i += 3, ++vertices) {
            double world[3];
            toWorld.toWorld(buffer[i], buffer[i + 1], buffer[i + 2], world[0], world[1], world[2]);
            for (int a = 0; a < 3; ++a) {
                box.min[a] = std::min(box.min[a], static_cast<float>(world[a]));
                box.max[a] = std::max(box.max[a], static_cast<float>(world[a]));
            }
        }
    }
    EXPECT_GE(vertices, 24);  // six faces, none clipped away
    return box;
}

void expectBox(const Box& actual, const Box& expected) {
    for (int a = 0; a < 3; ++a) {
        EXPECT_NEAR(actual.min[a], expected.min[a], 0.05f) << "axis " << a;
        EXPECT_NEAR(actual.max[a], expected.max[a], 0.05f) << "axis " << a;
    }
}

// Unit steps along x and z for each direction.
int stepX(int d) { return d == RollPosX ? 1 : d == RollNegX ? -1 : 0; }
int stepZ(int d) { return d == RollPosZ ? 1 : d == RollNegZ ? -1 : 0; }

// The box a cube of half edge h at rest on the ground covers, centred over (x, z).
Box restingBox(float x, float z) { return {{x - h, 0, z - h}, {x + h, 2 * h, z + h}}; }

const RollDirection directions[] = {RollNegX, RollNegZ, RollPosX, RollPosZ};

}  // namespace

TEST(RollerDraw, TurnsAboutTheLeadingBottomEdge) {
    testwindow::resetToProgramState();
    loadWorldToWindowProjection();
    Roller roller(0, h, 0, 0, 1, 1, h);
    for (RollDirection d : directions) {
        SCOPED_TRACE(testing::Message() << "direction " << d);
        roller.direction = d;
        const float sx = static_cast<float>(stepX(d));
        const float sz = static_cast<float>(stepZ(d));

        roller.angle = 0.0f;
        expectBox(drawnBounds(roller), restingBox(0, 0));

        // Half way the cube stands on its edge: its centre right above the edge, a diagonal
        // of the side square upright.
        roller.angle = 45.0f;
        const float reach = h * root2;
        const float ex = sx * h;
        const float ez = sz * h;
        const float halfX = sx != 0 ? reach : h;
        const float halfZ = sz != 0 ? reach : h;
        expectBox(drawnBounds(roller),
                  {{ex - halfX, 0, ez - halfZ}, {ex + halfX, 2 * reach, ez + halfZ}});

        roller.angle = 90.0f;
        expectBox(drawnBounds(roller), restingBox(2 * h * sx, 2 * h * sz));
    }
}

TEST(RollerDraw, LeavesTheModelviewMatrixAsItFoundIt) {
    testwindow::resetToProgramState();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const std::array<double, 9> camera = testwindow::startingLookAt();
    gluLookAt(camera[0], camera[1], camera[2], camera[3], camera[4], camera[5], camera[6],
              camera[7], camera[8]);
    GLfloat before[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    Roller roller(100, h, -100, 0, 1, 1, h);
    for (RollDirection d : directions) {
        roller.direction = d;
        roller.angle = 30.0f;
        roller.draw();
        GLfloat after[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, after);
        EXPECT_TRUE(std::equal(before, before + 16, after)) << "direction " << d;
    }
}

namespace {

// Looking straight down with one pixel per unit: x to the right, -z up the window.
void lookStraightDown() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-320, 320, -240, 240, 10, 10000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 1000, 0, 0, 0, 0, 0, 0, -1);
}

std::vector<unsigned char> picture(Cube& shape) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    shape.draw();
    glFinish();
    std::vector<unsigned char> pixels(640 * 480 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 640, 480, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

size_t countColour(const std::vector<unsigned char>& pixels, int r, int g, int b) {
    size_t count = 0;
    for (size_t i = 0; i < pixels.size(); i += 3) {
        count += pixels[i] == r && pixels[i + 1] == g && pixels[i + 2] == b;
    }
    return count;
}

}  // namespace

TEST(RollerDraw, AtNinetyDegreesCoversExactlyTheLandingCell) {
    testwindow::resetToProgramState();
    lookStraightDown();
    Roller roller(-100, h, 0, 0, 1, 1, h);
    for (RollDirection d : directions) {
        SCOPED_TRACE(testing::Message() << "direction " << d);
        roller.direction = d;
        roller.angle = 90.0f;
        const std::vector<unsigned char> turned = picture(roller);
        Cube landed(-100.0f + 2 * h * stepX(d), h, 2 * h * stepZ(d), 0, 1, 1, h, h, h);
        const std::vector<unsigned char> resting = picture(landed);
        EXPECT_EQ(countColour(resting, 0, 255, 255), 100u * 100u);
        EXPECT_TRUE(turned == resting);
    }
    // Before a direction is chosen it is drawn just like a block where it stands.
    roller.direction = RollNone;
    roller.angle = 0.0f;
    Cube here(-100, h, 0, 0, 1, 1, h, h, h);
    EXPECT_TRUE(picture(roller) == picture(here));
}
