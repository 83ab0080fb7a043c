#include "WorldView.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

#include "GlTransform.h"
#include "Rgb.h"
#include "app/StartingCamera.h"

namespace worldview {

namespace {

constexpr int windowWidth = 640;
constexpr int windowHeight = 480;
// The even pixels looked at: from two outside the window to two beyond it on each side.
constexpr int evenColumns = windowWidth / 2 + 4;
constexpr int evenRows = windowHeight / 2 + 4;

}  // namespace

View::View(Projection projection) : projection_(projection) {
    // The program's starting camera, in the single precision it keeps it in.
    const float eyeF[3] = {startingEye.x, startingEye.y, startingEye.z};
    const float dirF[3] = {startingViewDir.x, startingViewDir.y, startingViewDir.z};
    const float upF[3] = {startingUp.x, startingUp.y, startingUp.z};
    const float centreF[3] = {eyeF[0] + dirF[0], eyeF[1] + dirF[1], eyeF[2] + dirF[2]};
    eye_ = {eyeF[0], eyeF[1], eyeF[2]};
    forward_ = normalised({centreF[0] - eye_.x, centreF[1] - eye_.y, centreF[2] - eye_.z});
    // side = forward x up, then up again as side x forward, both unit length.
    side_ = normalised(crossed(forward_, {upF[0], upF[1], upF[2]}));
    up_ = crossed(side_, forward_);

    addSolids();

    evenSights_.reserve(evenColumns * evenRows);
    for (int r = 0; r < evenRows; ++r) {
        for (int c = 0; c < evenColumns; ++c) evenSights_.push_back(sightAt(2 * c - 4, 2 * r - 4));
    }
}

const Sight& View::evenSight(int column, int row) const {
    const int c = column / 2 + 2;
    const int r = row / 2 + 2;
    if (column % 2 != 0 || row % 2 != 0 || c < 0 || r < 0 || c >= evenColumns || r >= evenRows) {
        throw std::out_of_range("only even pixels in or just around the window");
    }
    return evenSights_[static_cast<size_t>(r) * evenColumns + c];
}

bool View::toScreen(double x, double y, double z, double& column, double& row) const {
    // The camera's matrices as gluLookAt and the projection make them.
    gltransform::Transform camera;
    const Vec rows[3] = {side_, up_, {-forward_.x, -forward_.y, -forward_.z}};
    for (int r = 0; r < 3; ++r) {
        camera.modelview[r] = rows[r].x;
        camera.modelview[4 + r] = rows[r].y;
        camera.modelview[8 + r] = rows[r].z;
        camera.modelview[12 + r] = -dot(rows[r], eye_);
    }
    camera.modelview[15] = 1;
    const double aspect = static_cast<float>(windowWidth) / static_cast<float>(windowHeight);
    camera.projection =
        projection_ == Projection::Perspective
            ? gltransform::perspective(30, aspect, nearDepth, farDepth)
            : gltransform::orthographic(-windowWidth / 2, windowWidth / 2, -windowHeight / 2,
                                        windowHeight / 2, nearDepth, farDepth);
    camera.viewport = {0, 0, windowWidth, windowHeight};
    double windowY = 0, depth = 0;
    camera.toWindow(x, y, z, column, windowY, depth);
    row = windowHeight - windowY;
    // Outside 0..1 the point is behind the camera or beyond a clipping depth.
    return depth >= 0 && depth <= 1;
}

void View::lineOfSight(double column, double row, Vec& origin, Vec& direction) const {
    const double windowX = column;
    const double windowY = windowHeight - row;
    if (projection_ == Projection::Perspective) {
        const double halfHeight = std::tan(15.0 * M_PI / 180.0);
        const double aspect = static_cast<float>(windowWidth) / static_cast<float>(windowHeight);
        const double a = (windowX / (windowWidth / 2) - 1) * halfHeight * aspect;
        const double b = (windowY / (windowHeight / 2) - 1) * halfHeight;
        origin = eye_;
        direction = {forward_.x + a * side_.x + b * up_.x, forward_.y + a * side_.y + b * up_.y,
                     forward_.z + a * side_.z + b * up_.z};
    } else {
        const double a = windowX - windowWidth / 2;
        const double b = windowY - windowHeight / 2;
        origin = {eye_.x + a * side_.x + b * up_.x, eye_.y + a * side_.y + b * up_.y,
                  eye_.z + a * side_.z + b * up_.z};
        direction = forward_;
    }
}

Sight View::sightAt(int column, int row) const {
    Vec o{}, d{};
    lineOfSight(column + 0.5, row + 0.5, o, d);
    double nearestFixed = std::numeric_limits<double>::infinity();
    double nearestRoller = nearestFixed;
    Sight seen{Seen::Background, -1, false};
    for (const Solid& solid : solids_) {
        double t = 0;
        if (!enters(solid, o, d, t)) continue;
        if (solid.sight.rollerMayCover) {
            nearestRoller = std::fmin(nearestRoller, t);
        } else if (t < nearestFixed) {
            nearestFixed = t;
            seen = solid.sight;
        }
    }
    seen.rollerMayCover = nearestRoller < nearestFixed;
    return seen;
}

Sight View::robustSightAt(int column, int row) const {
    Sight centre = evenSight(column, row);
    if (centre.seen == Seen::Unknown) return centre;
    for (const auto& [dc, dr] :
         {std::pair{-2, 0}, std::pair{2, 0}, std::pair{0, -2}, std::pair{0, 2}, std::pair{-2, -2},
          std::pair{2, 2}, std::pair{-2, 2}, std::pair{2, -2}}) {
        const Sight& near = evenSight(column + dc, row + dr);
        if (!near.sameThing(centre)) return {};
        centre.rollerMayCover = centre.rollerMayCover || near.rollerMayCover;
    }
    return centre;
}

}  // namespace worldview
