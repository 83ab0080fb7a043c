#pragma once

#include <GL/gl.h>

#include "scene/Scene.h"

// The program's pictures, in the order init reads them: what each is for, as the console names
// it, its file in the pictures' folder, and the scene's texture slot it fills. The build's list
// of the same files is cmake/Pictures.cmake.
struct StartupPicture {
    const char* what;
    const char* file;
    GLuint Scene::*slot;
};

inline constexpr const char* pictureFolder = "Textures/";

inline constexpr StartupPicture startupPictures[] = {
    {"cube", "Noise.bmp", &Scene::cubeTexture},
    {"ground", "Grass.bmp", &Scene::groundTexture},
    {"roller", "Spot.bmp", &Scene::rollerTexture},
};
