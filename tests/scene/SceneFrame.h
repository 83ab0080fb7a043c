#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "GlTransform.h"
#include "Rgb.h"
#include "scene/Scene.h"

// The scene drawn into the test window and read back, with the world's layout as the tests
// expect to see it.
namespace sceneframe {

// A block as the program lays it out: centre, colour as a pixel shows it and half sizes.
struct Block {
    std::string name;
    float x, y, z;
    int r, g, b;
    float hx, hy, hz;
};

// The five blocks in the layout's order, and the roller where it starts.
extern const std::vector<Block> blocks;
extern const Block rollerAtRest;

const Rgb cyan{0, 255, 255};

// One frame of a scene seen through a camera, read back from the window together with the
// matrices it was drawn with, so that world points can be mapped to pixels and back.
class Frame {
  public:
    // Draws with the projection already loaded and the camera given by gluLookAt's arguments.
    Frame(Scene& scene, const std::array<double, 9>& lookAt);

    int width() const { return transform_.viewport[2]; }
    int height() const { return transform_.viewport[3]; }

    Rgb colour(int px, int py) const;

    // The pixel a world point falls in; fails the test if it is off the window.
    bool pixelOf(double x, double y, double z, int& px, int& py) const;

    Rgb colourAt(double x, double y, double z) const {
        int px = 0, py = 0;
        return pixelOf(x, y, z, px, py) ? colour(px, py) : Rgb{-1, -1, -1};
    }

    // The world point whose surface was drawn nearest at a pixel's centre.
    void surfaceAt(int px, int py, double& x, double& y, double& z) const;

    // Where a pixel's centre lies on the plane y = 0 seen through this camera.
    void onGround(int px, int py, double& x, double& z) const;

  private:
    gltransform::Transform transform_;
    std::vector<unsigned char> colours_;
    std::vector<float> depths_;
};

// The program's starting camera, as gluLookAt's arguments.
extern const std::array<double, 9> startingCamera;

// High above the origin looking straight down, -z up the picture, 2.5 world units a pixel.
const std::array<double, 9> overhead = {0, 2000, 0, 0, 0, 0, 0, 0, -1};
void loadOverheadProjection(double unitsPerPixel = 2.5);

// Each test starts from the program's own set-up.
class SceneDraw : public testing::Test {
  protected:
    void SetUp() override;
};

}  // namespace sceneframe
