// The browser's OpenGL emulation takes the texture environment's mode only through glTexEnvi;
// through glTexEnvf it warns and ignores it, so the ground, meant to show its picture as it is,
// stayed tinted by the current colour. This glTexEnvf passes the enumerated settings on to
// glTexEnvi and the two scales, the only numeric ones, to the emulation's own handling.
#include <GL/gl.h>
#include <emscripten/emscripten.h>

namespace {

// clang-format off
EM_JS(void, setTexEnvScale, (GLenum target, GLenum pname, GLfloat param), {
    GLImmediate.TexEnvJIT.hook_texEnvf(target, pname, param);
});
// clang-format on

}  // namespace

extern "C" void glTexEnvf(GLenum target, GLenum pname, GLfloat param) {
    if (pname == GL_RGB_SCALE || pname == GL_ALPHA_SCALE) {
        setTexEnvScale(target, pname, param);
    } else {
        glTexEnvi(target, pname, static_cast<GLint>(param));
    }
}
