#include "GlTransform.h"

#include <GL/glu.h>

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

}  // namespace gltransform
