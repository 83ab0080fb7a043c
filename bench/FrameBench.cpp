// Times one frame of the program against a frame that only clears and swaps, in the same
// 640 x 480 window on whatever renderer the display offers. The second is the renderer's own
// floor for a frame; the ratio says how much our drawing adds to it. A third kind of frame
// covers the whole window once with the ground's picture: the part of our frame that no way of
// drawing this scene can avoid, since the ground fills most of the window.
#include <GL/freeglut.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Timing.h"
#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/Init.h"
#include "app/ProgramWindow.h"

namespace {

bool windowShown = false;

void noteShown() { windowShown = true; }

// A frame is only over once the renderer has finished it, not when the commands are queued.
double timeFullFrame() {
    const double start = nowMs();
    display();
    glFinish();
    return nowMs() - start;
}

double timeEmptyFrame() {
    const double start = nowMs();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
    glFinish();
    return nowMs() - start;
}

// Every pixel of the window painted once with the ground's picture, the way the ground is
// painted: what merely covering the window with a texture costs this renderer.
double timeFillFrame() {
    const double start = nowMs();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, theScene.groundTexture);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-1, -1, 0);
    glTexCoord2f(1, 0);
    glVertex3f(1, -1, 0);
    glTexCoord2f(1, 1);
    glVertex3f(1, 1, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-1, 1, 0);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glutSwapBuffers();
    glFinish();
    return nowMs() - start;
}

int loadedTextures() {
    return (theScene.cubeTexture != 0) + (theScene.groundTexture != 0) +
           (theScene.rollerTexture != 0);
}

const char* glText(GLenum name) {
    const auto* text = reinterpret_cast<const char*>(glGetString(name));
    return text != nullptr ? text : "unknown";
}

}  // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 40;
    const int framesPerRound = argc > 2 ? std::atoi(argv[2]) : 25;
    if (rounds <= 0 || framesPerRound <= 0) {
        std::fprintf(stderr, "usage: frame-bench [ROUNDS [FRAMES_PER_ROUND]]\n");
        return 2;
    }

    // The same window the program opens, set up by the program's own init().
    createProgramWindow("Animation and Textures");
    glutDisplayFunc(noteShown);
    // The pictures are looked up relative to the working directory, as the program does.
    if (chdir(ROLLING_CUBE_SOURCE_DIR) != 0) {
        std::perror(ROLLING_CUBE_SOURCE_DIR);
        return 1;
    }
    const double initStart = nowMs();
    init();
    glFinish();
    const double initMs = nowMs() - initStart;

    // Frames drawn before the window is mapped would be thrown away by the window system.
    const double waitUntil = nowMs() + 10000.0;
    while (!windowShown && nowMs() < waitUntil) glutMainLoopEvent();
    if (!windowShown) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }

    // The first frame pays for the renderer compiling its code for each new kind of drawing.
    const double firstFrameMs = timeFullFrame();
    for (int i = 0; i < 20; ++i) {
        timeFullFrame();
        timeEmptyFrame();
        timeFillFrame();
    }
    // Alternating short runs of each kind spreads any slow spell of the machine over both.
    std::vector<double> full;
    std::vector<double> empty;
    std::vector<double> fill;
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < framesPerRound; ++i) full.push_back(timeFullFrame());
        for (int i = 0; i < framesPerRound; ++i) empty.push_back(timeEmptyFrame());
        for (int i = 0; i < framesPerRound; ++i) fill.push_back(timeFillFrame());
        glutMainLoopEvent();
    }

    const double frameMs = median(full);
    const double emptyMs = median(empty);
    std::printf("gl_renderer: %s\n", glText(GL_RENDERER));
    std::printf("gl_version: %s\n", glText(GL_VERSION));
    std::printf("textures_loaded: %d\n", loadedTextures());
    std::printf("frames_timed: %zu\n", full.size());
    printFigure("init_ms", initMs);
    printFigure("first_frame_ms", firstFrameMs);
    printFigure("frame_ms", frameMs);
    printFigure("empty_frame_ms", emptyMs);
    printFigure("frame_ratio", frameMs / emptyMs, 2);
    printFigure("fill_frame_ms", median(fill));
    printFigure("frame_over_fill", frameMs / median(fill), 2);
    return 0;
}
