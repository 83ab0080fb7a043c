// The least a GLUT program like ours can be: the same window, cleared to the same grey and
// swapped continuously, with nothing drawn and nothing loaded. Its start-up time and memory are
// the floor that the renderer and GLUT alone set for the program's.
#include <GL/freeglut.h>

#include "app/Init.h"
#include "app/ProgramWindow.h"

namespace {

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

void idle() { glutPostRedisplay(); }

}  // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    createProgramWindow("Empty Window");
    setUpGlState();
    // Setting the projection titled the window; the benchmark finds it by its own title.
    glutSetWindowTitle("Empty Window");
    glutDisplayFunc(display);
    glutIdleFunc(idle);
    glutMainLoop();
    return 0;
}
