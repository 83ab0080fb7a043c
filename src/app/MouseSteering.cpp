#include "app/MouseSteering.h"

#include <GL/freeglut.h>

#include "app/AppState.h"

int32_t lastMouseX = 0;
int32_t lastMouseY = 0;
bool leftButtonDown = false;
bool rightButtonDown = false;

namespace {

constexpr float radiansPerPixel = 0.01f;
constexpr float flySpeed = 500.0f;

}  // namespace

void mouse(int button, int state, int x, int y) {
    lastMouseX = x;
    lastMouseY = y;
    if (button == GLUT_RIGHT_BUTTON) {
        rightButtonDown = state == GLUT_DOWN;
    } else if (button == GLUT_LEFT_BUTTON) {
        leftButtonDown = state == GLUT_DOWN;
    }
    glutPostRedisplay();
}

void motion(int x, int y) {
    if (!leftButtonDown && !rightButtonDown) return;
    const float yaw = static_cast<float>(lastMouseX - x) * radiansPerPixel;
    const float pitch = static_cast<float>(lastMouseY - y) * radiansPerPixel;
    lastMouseX = x;
    lastMouseY = y;

    turnView(viewDir, up, yaw, pitch);
    glutPostRedisplay();
}

void turnView(Vector3& view, Vector3& upDir, float yaw, float pitch) {
    // Turn about the camera's own up axis, then tilt both vectors about its new right axis so
    // that they stay perpendicular.
    view.rotate(yaw, upDir);
    const Vector3 right = cross(view, upDir);
    view.rotate(pitch, right);
    upDir.rotate(pitch, right);
}

void releaseSteeringButtons() {
    leftButtonDown = false;
    rightButtonDown = false;
}

void flyCamera(float dt) {
    if (leftButtonDown && !rightButtonDown) {
        eye += (viewDir * flySpeed) * dt;
    } else if (rightButtonDown && !leftButtonDown) {
        eye -= (viewDir * flySpeed) * dt;
    }
}
