#include "scene/Roller.h"

#include <GL/gl.h>

#include <cstdlib>

#include "scene/RollDirection.h"
#include "scene/Scene.h"

namespace {

// After this many draws the roller may go back the way it came.
constexpr int reverseAllowedFromAttempt = 100;

struct Footprint {
    float xMin, zMin, xMax, zMax;
};

// The square of ground the roller covers once a roll in direction d has ended.
Footprint footprintAfterRoll(const Vector3& centre, float h, int d) {
    const float x = centre.x;
    const float z = centre.z;
    switch (d) {
        case RollNegX:
            return {x - 3 * h, z - h, x - h, z + h};
        case RollPosX:
            return {x + h, z - h, x + 3 * h, z + h};
        case RollNegZ:
            return {x - h, z - 3 * h, x + h, z - h};
        default:
            return {x - h, z + h, x + h, z + 3 * h};
    }
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
    switch (direction) {
        case RollNegX:
            position.x -= step;
            break;
        case RollPosX:
            position.x += step;
            break;
        case RollNegZ:
            position.z -= step;
            break;
        case RollPosZ:
            position.z += step;
            break;
        default:
            break;
    }
    // Whatever went past 90 degrees is dropped rather than carried into the next roll.
    angle = 0.0f;
    chooseDirection();
}

bool Roller::anyDirectionFree() const {
    // With no scene to ask, no place is known to be free; resting is the only safe move.
    if (activeScene == nullptr) return false;
    for (int d = RollNegX; d <= RollPosZ; ++d) {
        if (!blocked(footprintAfterRoll(position, halfEdge, d))) return true;
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

    const int previous = direction;
    int attempts = 0;
    for (;;) {
        const int d = std::rand() % 4;
        ++attempts;
        direction = d;
        if (previous != RollNone && d == (previous + 2) % 4 &&
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
    switch (direction) {
        case RollNegX:
            glTranslatef(-h, -h, 0);
            glRotatef(a, 0, 0, 1);
            glTranslatef(h, h, 0);
            break;
        case RollPosX:
            glTranslatef(h, -h, 0);
            glRotatef(-a, 0, 0, 1);
            glTranslatef(-h, h, 0);
            break;
        case RollNegZ:
            glTranslatef(0, -h, -h);
            glRotatef(-a, 1, 0, 0);
            glTranslatef(0, h, h);
            break;
        case RollPosZ:
            glTranslatef(0, -h, h);
            glRotatef(a, 1, 0, 0);
            glTranslatef(0, h, -h);
            break;
        default:
            break;
    }
    drawGeometry();
    glPopMatrix();
}
