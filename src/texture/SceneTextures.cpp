#include "scene/Scene.h"
#include "texture/TextureLoader.h"

int Scene::loadCubeTexture(const char* path) { return loadTexture(path, cubeTexture); }

int Scene::loadGroundTexture(const char* path) { return loadTexture(path, groundTexture); }

int Scene::loadRollerTexture(const char* path) { return loadTexture(path, rollerTexture); }
