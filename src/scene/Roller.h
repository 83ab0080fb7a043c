#pragma once

#include "scene/Cube.h"
#include "scene/RollDirection.h"

// The cube that keeps tipping over its bottom edges, one edge length at a time.
class Roller : public Cube {
  public:
    Roller(float x, float y, float z, float r, float g, float b, float h);

    void draw() override;
    void update(float dt);
    void chooseDirection();

    RollDirection direction;
    float halfEdge;
    float angle;
    float angularSpeed;

  private:
    bool anyDirectionFree() const;
};
