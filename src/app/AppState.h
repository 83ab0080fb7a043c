#pragma once

#include <cstdint>

#include "math/Vector3.h"
#include "scene/Scene.h"

// Process-wide state of the program: the window's size, the camera and the one scene.
extern int32_t windowWidth;
extern int32_t windowHeight;
extern Vector3 eye;
extern Vector3 viewDir;
extern Vector3 up;
extern int32_t lastTime;
extern Scene theScene;
