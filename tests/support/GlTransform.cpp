#include "GlTransform.h"

#include <GL/glu.h>

#include <cmath>

namespace gltransform {

Matrix currentMatrix(GLenum which) {
    Matrix m{};
    glGetDoublev(which, m.data());
    return m;
}

Transform currentTransform() {
    Transform t;
    t.modelview = currentMatrix(GL_MODELVIEW_MATRIX);
    t.projection = currentMatrix(GL_PROJECTION_MATRIX);
    glGetIntegerv(GL_VIEWPORT, t.viewport.data());
    return t;
}

void Transform::toWindow(double x, double y, double z, double& wx, double& wy,
                         double& depth) const {
    gluProject(x, y, z, modelview.data(), projection.data(), viewport.data(), &wx, &wy, &depth);
}

void Transform::toWorld(double wx, double wy, double depth, double& x, double& y, double& z) const {
    gluUnProject(wx, wy, depth, modelview.data(), projection.data(), viewport.data(), &x, &y, &z);
}

Matrix perspective(double fovy, double aspect, double zNear, double zFar) {
    const double f = 1.0 / std::tan(fovy * M_PI / 360.0);
    Matrix m{};
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (zFar + zNear) / (zNear - zFar);
    m[11] = -1.0;
    m[14] = 2.0 * zFar * zNear / (zNear - zFar);
    return m;
}

Matrix orthographic(double left, double right, double bottom, double top, double zNear,
                    double zFar) {
    Matrix m{};
    m[0] = 2.0 / (right - left);
    m[5] = 2.0 / (top - bottom);
    m[10] = -2.0 / (zFar - zNear);
    m[12] = -(right + left) / (right - left);
    m[13] = -(top + bottom) / (top - bottom);
    m[14] = -(zFar + zNear) / (zFar - zNear);
    m[15] = 1.0;
    return m;
}

}  // namespace gltransform
