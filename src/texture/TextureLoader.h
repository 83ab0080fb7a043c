#pragma once

#include <GL/gl.h>

// Reads the BMP at path into a new texture object whose name replaces the one in textureName.
// Returns 1 on success; on failure, a picture larger than OpenGL's texture limit or one OpenGL
// would not take included, it has printed one message and the slot and the bound texture are
// left as they were.
int loadTexture(const char* path, GLuint& textureName);
