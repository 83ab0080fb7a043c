#pragma once

class Scene;

// The program's one-time set-up, which needs the window to exist: the steps below, in this
// order. The tests and benchmarks call the steps they need rather than repeat them.
void init();

// The OpenGL state every frame relies on: the grey background, the depth test, the perspective
// projection (which titles the window) and tightly packed pixel rows for the pictures.
void setUpGlState();

// Puts the camera where it starts, looking down at the red and green blocks.
void placeStartingCamera();

// Reads the three pictures into the scene's texture slots, reporting each on the console.
void loadStartupTextures(Scene& scene);

// Takes the clock reading the first frame's time step is measured from.
void startClock();
