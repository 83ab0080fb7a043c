// The browser's GLU library hands gluLookAt's arguments to its matrix routine in the wrong
// order, so its camera stays at the origin. This definition replaces it and builds the viewing
// matrix the way GLU's reference does, in single precision as the desktop library does.
#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "math/Vector3.h"

namespace {

Vector3 normalised(Vector3 v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length == 0.0) return v;  // a degenerate camera: leave it rather than divide by zero
    return {static_cast<GLfloat>(v.x / length), static_cast<GLfloat>(v.y / length),
            static_cast<GLfloat>(v.z / length)};
}

}  // namespace

extern "C" void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX,
                          GLdouble centreY, GLdouble centreZ, GLdouble upX, GLdouble upY,
                          GLdouble upZ) {
    const Vector3 forward =
        normalised({static_cast<GLfloat>(centreX - eyeX), static_cast<GLfloat>(centreY - eyeY),
                    static_cast<GLfloat>(centreZ - eyeZ)});
    const Vector3 side =
        normalised(cross(forward, {static_cast<GLfloat>(upX), static_cast<GLfloat>(upY),
                                   static_cast<GLfloat>(upZ)}));
    const Vector3 up = cross(side, forward);
    // Rows side, up and -forward, stored column by column as OpenGL expects.
    const GLfloat m[16] = {side.x, up.x, -forward.x, 0.0f, side.y, up.y, -forward.y, 0.0f,
                           side.z, up.z, -forward.z, 0.0f, 0.0f,   0.0f, 0.0f,       1.0f};
    glMultMatrixf(m);
    glTranslatef(static_cast<GLfloat>(-eyeX), static_cast<GLfloat>(-eyeY),
                 static_cast<GLfloat>(-eyeZ));
}
