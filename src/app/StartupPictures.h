#pragma once

#include "scene/Scene.h"

// The program's pictures, in the order init reads them: what each is for, as the console names
// it, its file in the pictures' folder, and the scene's loader for the texture slot it fills. The
// build's list of the same files is cmake/Pictures.cmake.
struct StartupPicture {
    const char* what;
    const char* file;
    int (Scene::*load)(const char* path);
};

inline constexpr const char* pictureFolder = "Textures/";

inline constexpr StartupPicture startupPictures[] = {
    {"cube", "Noise.bmp", &Scene::loadCubeTexture},
    {"ground", "Grass.bmp", &Scene::loadGroundTexture},
    {"roller", "Spot.bmp", &Scene::loadRollerTexture},
};
