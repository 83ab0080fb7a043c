#include "texture/TextureLoader.h"

#include <cstdio>

#include "texture/Image.h"

namespace {

// OpenGL refuses a side longer than its limit with no more than an error flag, which would leave
// a texture without a picture behind a reported success; such a picture is refused here instead,
// before any texture state changes.
bool fitsTheRenderer(const Image& image, const char* path) {
    GLint limit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
    if (image.width <= limit && image.height <= limit) return true;
    std::printf("%s is %d x %d pixels, larger than this OpenGL's texture limit of %d x %d\n", path,
                image.width, image.height, limit, limit);
    return false;
}

}  // namespace

int loadTexture(const char* path, GLuint& textureName) {
    Image image;
    int result = image.loadBmp(path);
    if (result == 1 && !fitsTheRenderer(image, path)) result = 0;
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
