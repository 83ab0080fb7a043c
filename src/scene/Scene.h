#pragma once

#include <GL/gl.h>

#include <iterator>
#include <memory>

#include "scene/Cube.h"
#include "scene/Roller.h"
#include "scene/WorldLayout.h"

// The whole world: the ground, the five blocks, the roller and their textures.
class Scene {
  public:
    Scene();
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    void draw();
    void update(float dt);
    bool isBlocked(float xMin, float zMin, float xMax, float zMax) const;

    int loadCubeTexture(const char* path);
    int loadGroundTexture(const char* path);
    int loadRollerTexture(const char* path);

    static constexpr int cubeCount = static_cast<int>(std::size(worldCubes));

    float groundHalfSize;
    std::unique_ptr<Cube> cubes[cubeCount];
    std::unique_ptr<Roller> roller;
    GLuint cubeTexture;
    GLuint groundTexture;
    GLuint rollerTexture;
};

// The scene the roller asks whether a place is free.
extern Scene* activeScene;
