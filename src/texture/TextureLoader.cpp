#include "texture/TextureLoader.h"

#include "texture/Image.h"

int loadTexture(const char* path, GLuint& textureName) {
    Image image;
    const int result = image.loadBmp(path);
    if (result == 1) {
        glDeleteTextures(1, &textureName);
        glGenTextures(1, &textureName);
        glBindTexture(GL_TEXTURE_2D, textureName);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        // The rows are tightly packed; with any other unpack alignment OpenGL would read past
        // the end of the buffer for widths that are not a multiple of 4.
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image.width, image.height, 0, GL_RGB,
                     GL_UNSIGNED_BYTE, image.data.get());
    }
    return result;
}
