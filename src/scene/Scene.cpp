#include "scene/Scene.h"

Scene* activeScene = nullptr;

Scene::Scene()
    : groundHalfSize(worldGroundHalfSize), cubeTexture(0), groundTexture(0), rollerTexture(0) {
    activeScene = this;
    for (int i = 0; i < cubeCount; ++i) {
        const CubeLayout& c = worldCubes[i];
        cubes[i] = std::make_unique<Cube>(c.x, c.y, c.z, c.r, c.g, c.b, c.hx, c.hy, c.hz);
    }
    const RollerLayout& r = worldRoller;
    roller = std::make_unique<Roller>(r.x, r.y, r.z, r.r, r.g, r.b, r.halfEdge);
}

Scene::~Scene() {
    // A scene that outlives its successor must not leave the roller asking a dead one.
    if (activeScene == this) activeScene = nullptr;
}

void Scene::draw() {
    glEnable(GL_TEXTURE_2D);

    glBindTexture(GL_TEXTURE_2D, cubeTexture);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    for (auto& cube : cubes) cube->draw();

    glBindTexture(GL_TEXTURE_2D, rollerTexture);
    roller->draw();

    // The ground shows the picture's own colours; with no picture loaded it takes the current
    // colour, which is the roller's.
    glBindTexture(GL_TEXTURE_2D, groundTexture);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const float g = groundHalfSize;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(g, 0, g);
    glTexCoord2f(0, 1);
    glVertex3f(g, 0, -g);
    glTexCoord2f(1, 1);
    glVertex3f(-g, 0, -g);
    glTexCoord2f(1, 0);
    glVertex3f(-g, 0, g);
    glEnd();

    glDisable(GL_TEXTURE_2D);
}

void Scene::update(float dt) { roller->update(dt); }

bool Scene::isBlocked(float xMin, float zMin, float xMax, float zMax) const {
    // Strict comparisons: touching a block's side, or reaching exactly to the ground's edge,
    // is free.
    for (const auto& cube : cubes) {
        const float px = cube->position.x;
        const float pz = cube->position.z;
        const float hx = cube->halfSize[0];
        const float hz = cube->halfSize[2];
        if (px + hx > xMin && px - hx < xMax && pz + hz > zMin && pz - hz < zMax) return true;
    }
    const float g = groundHalfSize;
    return xMin < -g || xMax > g || zMin < -g || zMax > g;
}
