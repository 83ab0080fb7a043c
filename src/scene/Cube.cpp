#include "scene/Cube.h"

#include <GL/gl.h>

Cube::Cube(float x, float y, float z, float r, float g, float b, float hx, float hy, float hz)
    : position(x, y, z), halfSize{hx, hy, hz}, color{r, g, b} {}

void Cube::draw() {
    glColor3f(color[0], color[1], color[2]);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    drawGeometry();
    glPopMatrix();
}

namespace {

void texturedFace(const float (&corners)[4][3]) {
    static const float texCoords[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    for (int i = 0; i < 4; ++i) {
        glTexCoord2f(texCoords[i][0], texCoords[i][1]);
        glVertex3f(corners[i][0], corners[i][1], corners[i][2]);
    }
}

}  // namespace

void Cube::drawGeometry() const {
    const float hx = halfSize[0];
    const float hy = halfSize[1];
    const float hz = halfSize[2];
    const float faces[6][4][3] = {
        {{hx, hy, hz}, {hx, hy, -hz}, {-hx, hy, -hz}, {-hx, hy, hz}},      // +y
        {{hx, -hy, hz}, {hx, -hy, -hz}, {-hx, -hy, -hz}, {-hx, -hy, hz}},  // -y
        {{hx, hy, hz}, {hx, hy, -hz}, {hx, -hy, -hz}, {hx, -hy, hz}},      // +x
        {{-hx, hy, hz}, {-hx, hy, -hz}, {-hx, -hy, -hz}, {-hx, -hy, hz}},  // -x
        {{hx, hy, hz}, {-hx, hy, hz}, {-hx, -hy, hz}, {hx, -hy, hz}},      // +z
        {{hx, hy, -hz}, {-hx, hy, -hz}, {-hx, -hy, -hz}, {hx, -hy, -hz}},  // -z
    };
    glBegin(GL_QUADS);
    for (const auto& face : faces) texturedFace(face);
    glEnd();
}
