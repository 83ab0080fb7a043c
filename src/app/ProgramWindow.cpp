#include "app/ProgramWindow.h"

#include <GL/freeglut.h>

#include "app/AppState.h"

int createProgramWindow(const char* title) {
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(50, 100);
    glutInitWindowSize(windowWidth, windowHeight);
    return glutCreateWindow(title);
}
