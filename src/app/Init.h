#pragma once

class Scene;

// One-time OpenGL and camera set-up; needs the window to exist.
void init();

// Reads the three pictures into the scene's texture slots, reporting each on the console.
void loadStartupTextures(Scene& scene);
