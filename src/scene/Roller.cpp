#include "scene/Roller.h"

#include <GL/gl.h>

#include <cstdlib>

#include "scene/Scene.h"

namespace {

// After this many draws the roller may go back the way it came.
constexpr int reverseAllowedFromAttempt = 100;

struct Footprint {
    float xMin, zMin, xMax, zMax;
};

// The square of ground the roller covers once a roll in direction d has ended: one edge further
// along the step, the same half edge h about its new centre.
Footprint footprintAfterRoll(const Vector3& centre, float h, RollDirection d) {
    const RollMotion& m = rollMotion(d);
    return {centre.x + (2 * m.stepX - 1) * h, centre.z + (2 * m.stepZ - 1) * h,
            centre.x + (2 * m.stepX + 1) * h, centre.z + (2 * m.stepZ + 1) * h};
}

bool blocked(const Footprint& f) { return activeScene->isBlocked(f.xMin, f.zMin, f.xMax, f.zMax); }

}  // namespace

Roller::Roller(float x, float y, float z, float r, float g, float b, float h)
    : Cube(x, y, z, r, g, b, h, h, h),
      direction(RollNone),
      halfEdge(h),
      angle(0.0f),
      angularSpeed(180.0f) {}

void Roller::update(float dt) {
    if (direction == RollNone) {
        chooseDirection();
        // Boxed in on every side: stay put and look again next time.
        if (direction == RollNone) return;
    }

    angle = angle + dt * angularSpeed;
    if (angle < 90.0f) return;

    const float step = 2.0f * halfEdge;
    position.x += rollMotion(direction).stepX * step;
    position.z += rollMotion(direction).stepZ * step;
    // Whatever went past 90 degrees is dropped rather than carried into the next roll.
    angle = 0.0f;
    chooseDirection();
}

bool Roller::anyDirectionFree() const {
    // With no scene to ask, no place is known to be free; resting is the only safe move.
    if (activeScene == nullptr) return false;
    for (int d = RollNegX; d <= RollPosZ; ++d) {
        if (!blocked(footprintAfterRoll(position, halfEdge, static_cast<RollDirection>(d)))) {
            return true;
        }
    }
    return false;
}

void Roller::chooseDirection() {
    // Checked without drawing a random number, so a roller that is never boxed in takes exactly
    // the path the plain draw-and-test loop gives; a boxed-in one would otherwise spin forever.
    if (!anyDirectionFree()) {
        direction = RollNone;
        angle = 0.0f;
        return;
    }

    const RollDirection previous = direction;
    int attempts = 0;
    for (;;) {
        const auto d = static_cast<RollDirection>(std::rand() % 4);
        ++attempts;
        direction = d;
        if (previous != RollNone && d == reverseOf(previous) &&
            attempts < reverseAllowedFromAttempt) {
            continue;
        }
        if (!blocked(footprintAfterRoll(position, halfEdge, d))) return;
    }
}

void Roller::draw() {
    const float h = halfEdge;
    const float a = angle;
    glColor3f(color[0], color[1], color[2]);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    // Turn about the bottom edge on the side the roller is heading for.
    if (direction != RollNone) {
        const RollMotion& m = rollMotion(direction);
        const float edgeX = m.stepX * h;
        const float edgeZ = m.stepZ * h;
        glTranslatef(edgeX, -h, edgeZ);
        glRotatef(m.turn * a, m.axisX, 0, m.axisZ);
        glTranslatef(-edgeX, h, -edgeZ);
    }
    drawGeometry();
    glPopMatrix();
}
