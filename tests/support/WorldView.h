#pragma once

#include <array>
#include <iterator>
#include <vector>

#include "Rgb.h"
#include "TestVec.h"
#include "scene/WorldLayout.h"

// What the program's starting camera must show in its 640 x 480 window, worked out from the
// camera, the two projections and the world's layout alone, independently of OpenGL. The camera
// and the layout are the program's own constants.
namespace worldview {

enum class Projection { Perspective, Ortho };

// The first fixed thing along a pixel's line of sight.
enum class Seen {
    Background,  // nothing at all: the clear colour
    Block,       // one of the five blocks, see blockIndex
    Ground,      // the ground, whose picture is not predicted
    Unknown,     // no single answer: too close to an edge
};

struct Sight {
    Seen seen = Seen::Unknown;
    int blockIndex = -1;  // in the layout's order
    // The rolling cube may stand or tip in front of it at some moment.
    bool rollerMayCover = false;
    bool sameThing(const Sight& o) const { return seen == o.seen && blockIndex == o.blockIndex; }
};

class View {
  public:
    explicit View(Projection projection);

    // The screenshot position (column, row from the top, in pixels) where a world point
    // appears; false if it is behind the camera or outside the clipping depths.
    bool toScreen(double x, double y, double z, double& column, double& row) const;

    // What the line of sight through the centre of a screenshot pixel meets first.
    Sight sightAt(int column, int row) const;

    // The same for a pixel at even column and row, but Unknown unless the pixels two to each
    // side see the same thing, so that neither rounding at an edge nor the rasteriser's rules
    // can change the answer; the roller may cover it if it may cover any of them.
    Sight robustSightAt(int column, int row) const;

  private:
    // A box, cut down, if round is set, to the part within a distance of a line through the
    // box: the room a cube needs to tip over that line.
    struct Solid {
        Vec min, max;
        Sight sight;  // rollerMayCover marks the room the roller can take
        bool round = false;
        bool lineAlongZ = false;  // the line runs along z through (lineAt, 0), else along x
        double lineAt = 0;
        double radius = 0;
    };

    // Where the line of sight o + t d enters the solid, if it does between the clipping depths.
    static bool enters(const Solid& solid, const Vec& o, const Vec& d, double& t);

    // The blocks, the ground and the room the roller may take, as solids.
    void addSolids();

    // The projections' clipping depths.
    static constexpr double nearDepth = 10;
    static constexpr double farDepth = 10000;

    void lineOfSight(double column, double row, Vec& origin, Vec& direction) const;

    // sightAt for every pixel with even column and row, and a ring of them around the window.
    const Sight& evenSight(int column, int row) const;

    Projection projection_;
    Vec eye_, forward_, side_, up_;
    std::vector<Solid> solids_;
    std::vector<Sight> evenSights_;
};

}  // namespace worldview
