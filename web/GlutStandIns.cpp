// GLUT functions the browser's GLUT library lacks or runs differently from a desktop GLUT.
#include <GL/freeglut.h>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

namespace {

void (*idleCallback)() = nullptr;
bool frameLoopRunning = false;

EM_BOOL onAnimationFrame(double /*time*/, void* /*userData*/) {
    if (idleCallback == nullptr) {
        frameLoopRunning = false;
        return EM_FALSE;
    }
    idleCallback();
    return EM_TRUE;
}

}  // namespace

// The window title is the page's title.
extern "C" void glutSetWindowTitle(const char* title) { emscripten_set_window_title(title); }

// The library's idle callback runs on a 4 ms timer, several times a frame. Running it once per
// animation frame instead paces the animation to the display, as the idle loop of a desktop
// GLUT is paced by the buffer swap, and stops it while the page is hidden.
extern "C" void glutIdleFunc(void (*callback)()) {
    idleCallback = callback;
    if (callback != nullptr && !frameLoopRunning) {
        frameLoopRunning = true;
        emscripten_request_animation_frame_loop(onAnimationFrame, nullptr);
    }
}

// A page has no window status; the browser stops animation frames in a hidden tab by itself.
extern "C" void glutWindowStatusFunc(void (* /*callback*/)(int)) {}
