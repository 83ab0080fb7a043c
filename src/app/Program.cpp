#include "app/Program.h"

#include <GL/freeglut.h>

#include "app/FrameLoop.h"
#include "app/Init.h"
#include "app/MouseSteering.h"
#include "app/ProgramWindow.h"
#include "app/WindowStatus.h"

int runProgram(int argc, char** argv) {
    glutInit(&argc, argv);
    createProgramWindow("Animation and Textures");
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
