#pragma once

#include <cstdint>

#include "math/Vector3.h"

// The last mouse position seen and which of the steering buttons are held.
extern int32_t lastMouseX;
extern int32_t lastMouseY;
extern bool leftButtonDown;
extern bool rightButtonDown;

// GLUT callbacks: a drag with the left or right button turns and tilts the camera.
void mouse(int button, int state, int x, int y);
void motion(int x, int y);

// Turns a camera's viewing direction and up vector by yaw radians about its up axis, then tilts
// both by pitch radians about its right axis: one step of a drag.
void turnView(Vector3& view, Vector3& upDir, float yaw, float pitch);

// Counts both steering buttons as released, for when their release cannot reach this window.
void releaseSteeringButtons();

// Flies the camera forwards while only the left button is held, backwards while only the right.
void flyCamera(float dt);
