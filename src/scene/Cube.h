#pragma once

#include "math/Vector3.h"

// A box standing in the world, drawn in its own colour.
class Cube {
  public:
    Cube(float x, float y, float z, float r, float g, float b, float hx, float hy, float hz);

    virtual void draw();

    // The six faces of the box centred on the current origin, each carrying the whole texture.
    void drawGeometry() const;

    Vector3 position;
    float halfSize[3];
    float color[3];
};
