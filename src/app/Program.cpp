#include "app/Program.h"

#include <GL/freeglut.h>

#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/Init.h"
#include "app/MouseSteering.h"
#include "app/WindowStatus.h"

int runProgram(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(50, 100);
    glutInitWindowSize(windowWidth, windowHeight);
    glutCreateWindow("Animation and Textures");
    init();

    glutDisplayFunc(display);
    glutKeyboardFunc(keyboard);
    glutMouseFunc(mouse);
    glutMotionFunc(motion);
    glutIdleFunc(idle);
    followWindowStatus();
    glutMainLoop();
    return 0;
}
