#include "SceneFrame.h"

#include <GL/glu.h>

#include <cmath>
#include <utility>

#include "TestWindow.h"
#include "scene/WorldLayout.h"

namespace sceneframe {

namespace {

Block shown(std::string name, float x, float y, float z, const Rgb& c, float hx, float hy,
            float hz) {
    return {std::move(name), x, y, z, c.r, c.g, c.b, hx, hy, hz};
}

std::vector<Block> layoutBlocks() {
    std::vector<Block> blocks;
    for (int i = 0; i < blockCount; ++i) {
        const CubeLayout& c = worldCubes[i];
        blocks.push_back(
            shown(blockColours[i].name, c.x, c.y, c.z, blockColours[i].shown, c.hx, c.hy, c.hz));
    }
    return blocks;
}

}  // namespace

const std::vector<Block> blocks = layoutBlocks();
const Block rollerAtRest = shown("roller", worldRoller.x, worldRoller.y, worldRoller.z,
                                 shownColour(worldRoller.r, worldRoller.g, worldRoller.b),
                                 worldRoller.halfEdge, worldRoller.halfEdge, worldRoller.halfEdge);
const std::array<double, 9> startingCamera = testwindow::startingLookAt();

Frame::Frame(Scene& scene, const std::array<double, 9>& lookAt) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    gluLookAt(lookAt[0], lookAt[1], lookAt[2], lookAt[3], lookAt[4], lookAt[5], lookAt[6],
              lookAt[7], lookAt[8]);
    transform_ = gltransform::currentTransform();
    scene.draw();
    glPopMatrix();
    glFinish();
    const int w = width(), h = height();
    colours_.resize(static_cast<size_t>(w) * h * 4);
    depths_.resize(static_cast<size_t>(w) * h);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, colours_.data());
    glReadPixels(0, 0, w, h, GL_DEPTH_COMPONENT, GL_FLOAT, depths_.data());
}

Rgb Frame::colour(int px, int py) const {
    const size_t i = (static_cast<size_t>(py) * width() + px) * 4;
    return {colours_[i], colours_[i + 1], colours_[i + 2]};
}

bool Frame::pixelOf(double x, double y, double z, int& px, int& py) const {
    double wx = 0, wy = 0, wz = 0;
    transform_.toWindow(x, y, z, wx, wy, wz);
    px = static_cast<int>(std::floor(wx));
    py = static_cast<int>(std::floor(wy));
    const bool inside = px >= 0 && py >= 0 && px < width() && py < height();
    EXPECT_TRUE(inside) << "(" << x << ", " << y << ", " << z << ") is off the window";
    return inside;
}

void Frame::surfaceAt(int px, int py, double& x, double& y, double& z) const {
    const double depth = depths_[static_cast<size_t>(py) * width() + px];
    transform_.toWorld(px + 0.5, py + 0.5, depth, x, y, z);
}

void Frame::onGround(int px, int py, double& x, double& z) const {
    double nx, ny, nz, fx, fy, fz;
    transform_.toWorld(px + 0.5, py + 0.5, 0.0, nx, ny, nz);
    transform_.toWorld(px + 0.5, py + 0.5, 1.0, fx, fy, fz);
    const double t = ny / (ny - fy);
    x = nx + t * (fx - nx);
    z = nz + t * (fz - nz);
}

void loadOverheadProjection(double unitsPerPixel) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-320 * unitsPerPixel, 320 * unitsPerPixel, -240 * unitsPerPixel, 240 * unitsPerPixel,
            10, 10000);
    glMatrixMode(GL_MODELVIEW);
}

void SceneDraw::SetUp() { testwindow::resetToProgramState(); }

}  // namespace sceneframe
