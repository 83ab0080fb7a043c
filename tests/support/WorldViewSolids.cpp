#include <cmath>
#include <utility>

#include "RollerWorld.h"
#include "WorldView.h"

// The solids the lines of sight are traced through: the blocks, the ground and the room the
// roller may take, and where a line of sight enters one.
namespace worldview {

namespace {

constexpr double groundHalf = worldGroundHalfSize;

}  // namespace

void View::addSolids() {
    for (int i = 0; i < blockCount; ++i) {
        const CubeLayout& b = worldCubes[i];
        solids_.push_back({{b.x - b.hx, b.y - b.hy, b.z - b.hz},
                           {b.x + b.hx, b.y + b.hy, b.z + b.hz},
                           {Seen::Block, i}});
    }
    solids_.push_back(
        {{-groundHalf, -1, -groundHalf}, {groundHalf, 0, groundHalf}, {Seen::Ground, -1}});

    // The room of each place the roller may take, cut round the edge it tips over. A little
    // margin keeps rounding on the safe side.
    constexpr double margin = 1.0;
    const double reach = rollerworld::rollerDiagonal + margin;
    for (const rollerworld::Place& place : rollerworld::rollerPlaces()) {
        const bool resting = place.to == place.from;
        Solid solid{{place.xMin - margin, 0, place.zMin - margin},
                    {place.xMax + margin, resting ? 2 * (worldRoller.halfEdge + margin) : reach,
                     place.zMax + margin},
                    {Seen::Unknown, -1, true}};
        solid.round = !resting;
        solid.lineAlongZ = place.to.first != place.from.first;
        solid.lineAt = solid.lineAlongZ ? (place.from.first + place.to.first) / 2.0
                                        : (place.from.second + place.to.second) / 2.0;
        solid.radius = reach;
        solids_.push_back(solid);
    }
}

bool View::enters(const Solid& solid, const Vec& o, const Vec& d, double& t) {
    // The direction's forward component is 1 in both projections, so t is the depth.
    double tMin = nearDepth, tMax = farDepth;
    const double origin[3] = {o.x, o.y, o.z};
    const double dir[3] = {d.x, d.y, d.z};
    const double lo[3] = {solid.min.x, solid.min.y, solid.min.z};
    const double hi[3] = {solid.max.x, solid.max.y, solid.max.z};
    for (int axis = 0; axis < 3; ++axis) {
        if (dir[axis] == 0) {
            if (origin[axis] < lo[axis] || origin[axis] > hi[axis]) return false;
            continue;
        }
        double t0 = (lo[axis] - origin[axis]) / dir[axis];
        double t1 = (hi[axis] - origin[axis]) / dir[axis];
        if (t0 > t1) std::swap(t0, t1);
        tMin = std::fmax(tMin, t0);
        tMax = std::fmin(tMax, t1);
        if (tMin > tMax) return false;
    }
    if (solid.round) {
        // Across the line the sight is a 2D line u = u0 + t du, y = y0 + t dy; keep the part
        // within the radius of (lineAt, 0).
        const double u0 = (solid.lineAlongZ ? o.x : o.z) - solid.lineAt;
        const double du = solid.lineAlongZ ? d.x : d.z;
        const double a = du * du + d.y * d.y;
        const double b = 2 * (u0 * du + o.y * d.y);
        const double c = u0 * u0 + o.y * o.y - solid.radius * solid.radius;
        if (a == 0) {
            if (c > 0) return false;
        } else {
            const double discriminant = b * b - 4 * a * c;
            if (discriminant < 0) return false;
            const double root = std::sqrt(discriminant);
            tMin = std::fmax(tMin, (-b - root) / (2 * a));
            tMax = std::fmin(tMax, (-b + root) / (2 * a));
            if (tMin > tMax) return false;
        }
    }
    t = tMin;
    return true;
}

}  // namespace worldview
