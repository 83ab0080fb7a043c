#include "app/FrameLoop.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "app/AppState.h"
#include "app/Clock.h"
#include "app/MouseSteering.h"
#include "app/Projection.h"

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const Vector3 centre = eye + viewDir;
    // The push/pop pair returns the modelview matrix to the identity after every frame.
    glPushMatrix();
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
    theScene.draw();
    glPopMatrix();
    glutSwapBuffers();
}

void idle() {
    const int32_t now = currentMillis();
    const int32_t elapsed = elapsedMillis(now, lastTime);
    lastTime = now;
    const float dt = static_cast<float>(elapsed) * 0.001f;
    theScene.update(dt);
    flyCamera(dt);
    glutPostRedisplay();
}

void keyboard(unsigned char key, int /*x*/, int /*y*/) {
    if (key == 'o') {
        setOrthographic();
    } else if (key == 'p') {
        setPerspective();
    }
}
