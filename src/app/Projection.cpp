#include "app/Projection.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "app/AppState.h"

void setPerspective() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float aspect = static_cast<float>(windowWidth) / static_cast<float>(windowHeight);
    gluPerspective(30.0, aspect, 10.0, 10000.0);
    glMatrixMode(GL_MODELVIEW);
    glutSetWindowTitle("Perspective Projection");
}

void setOrthographic() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // One world unit to a pixel of the 640 x 480 window; the halves are whole pixels.
    const int halfWidth = windowWidth / 2;
    const int halfHeight = windowHeight / 2;
    glOrtho(-halfWidth, halfWidth, -halfHeight, halfHeight, 10.0, 10000.0);
    glMatrixMode(GL_MODELVIEW);
    glutSetWindowTitle("Ortho Projection");
}
