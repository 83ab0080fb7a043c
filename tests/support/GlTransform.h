#pragma once

#include <GL/gl.h>

#include <array>

// The matrices and viewport in use at one moment, read back from OpenGL, so that a test can map
// world points to window pixels and back exactly as the renderer did.
namespace gltransform {

using Matrix = std::array<double, 16>;  // column-major, as OpenGL keeps it

// GL_MODELVIEW_MATRIX or GL_PROJECTION_MATRIX as it stands now.
Matrix currentMatrix(GLenum which);

struct Transform {
    Matrix modelview{};
    Matrix projection{};
    std::array<GLint, 4> viewport{};

    // Window coordinates (x right, y up from the bottom) and depth of a world point.
    void toWindow(double x, double y, double z, double& wx, double& wy, double& depth) const;
    // The world point at window coordinates and depth.
    void toWorld(double wx, double wy, double depth, double& x, double& y, double& z) const;
};

// The modelview and projection matrices and the viewport in use now.
Transform currentTransform();

// The matrices gluPerspective and glOrtho make, worked out here without OpenGL.
Matrix perspective(double fovy, double aspect, double zNear, double zFar);
Matrix orthographic(double left, double right, double bottom, double top, double zNear,
                    double zFar);

}  // namespace gltransform
