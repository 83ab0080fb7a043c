#include "texture/TextureLoader.h"


#include "platform/Console.h"
#include "texture/Image.h"

namespace {

// OpenGL refuses a side longer than its limit with no more than an error flag, which would leave
// a texture without a picture behind a reported success; such a picture is refused instead,
// from its header, before its pixels are read and before any texture state changes.
bool fitsTheRenderer(const char* path, int width, int height) {
    GLint limit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
    if (width <= limit && height <= limit) return true;
    platform::print("%s is %d x %d pixels, larger than this OpenGL's texture limit of %d x %d\n",
                    path, width, height, limit, limit);
    return false;
}

const char* errorName(GLenum error) {
    switch (error) {
        case GL_OUT_OF_MEMORY:
            return "GL_OUT_OF_MEMORY";
        case GL_INVALID_VALUE:
            return "GL_INVALID_VALUE";
        case GL_INVALID_ENUM:
            return "GL_INVALID_ENUM";
        case GL_INVALID_OPERATION:
            return "GL_INVALID_OPERATION";
        default:
            return "an OpenGL error";
    }
}

// Makes a new texture object holding the picture and returns its name, or 0 after saying why
// OpenGL would not take the picture (out of memory, say); then nothing is left behind and the
// texture bound before is bound again.
GLuint upload(const Image& image, const char* path) {
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    // An error flag left over from earlier drawing would otherwise be taken for this upload's.
    while (glGetError() != GL_NO_ERROR) {
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // The rows are tightly packed; with any other unpack alignment OpenGL would read past
    // the end of the buffer for widths that are not a multiple of 4.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image.data.get());
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR) return name;
    platform::print("%s could not be made into a texture: %s (0x%04X)\n", path, errorName(error),
                    static_cast<unsigned>(error));
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    glDeleteTextures(1, &name);
    return 0;
}

}  // namespace

int loadTexture(const char* path, GLuint& textureName) {
    Image image;
    if (image.loadBmp(path, fitsTheRenderer) != 1) return 0;
    const GLuint name = upload(image, path);
    if (name == 0) return 0;
    // The old texture goes only once the new one holds its picture.
    glDeleteTextures(1, &textureName);
    textureName = name;
    return 1;
}
