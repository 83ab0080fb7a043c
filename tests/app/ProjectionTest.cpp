#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "GlTransform.h"
#include "TestWindow.h"
#include "app/FrameLoop.h"
#include "app/Projection.h"

namespace {

using gltransform::Matrix;

Matrix current(GLenum which) { return gltransform::currentMatrix(which); }

// The standard perspective matrix for a vertical field of view in degrees.
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

void expectMatrix(const Matrix& actual, const Matrix& expected) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-6 * std::fabs(expected[i]) + 1e-9)
            << "element " << i;
    }
}

GLint matrixMode() {
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    return mode;
}

// A modelview matrix that no projection code would produce by accident.
void loadMarkerModelview() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(3.0f, -4.0f, 5.0f);
}

const Matrix windowPerspective = perspective(30.0, 640.0f / 480.0f, 10.0, 10000.0);
const Matrix windowOrtho = orthographic(-320, 320, -240, 240, 10, 10000);

}  // namespace

TEST(Projection, PerspectiveIsThirtyDegreesAtTheWindowsAspect) {
    testwindow::open();
    loadMarkerModelview();
    const Matrix marker = current(GL_MODELVIEW_MATRIX);
    setPerspective();
    expectMatrix(current(GL_PROJECTION_MATRIX), windowPerspective);
    // Only the projection matrix is replaced, and drawing goes on in the modelview matrix.
    EXPECT_EQ(matrixMode(), GL_MODELVIEW);
    expectMatrix(current(GL_MODELVIEW_MATRIX), marker);
}

TEST(Projection, OrthographicMapsOneUnitToOnePixel) {
    testwindow::open();
    loadMarkerModelview();
    const Matrix marker = current(GL_MODELVIEW_MATRIX);
    setOrthographic();
    expectMatrix(current(GL_PROJECTION_MATRIX), windowOrtho);
    EXPECT_EQ(matrixMode(), GL_MODELVIEW);
    expectMatrix(current(GL_MODELVIEW_MATRIX), marker);
}

TEST(Projection, KeysOAndPSwitchAndEveryOtherKeyIsIgnored) {
    testwindow::open();
    loadMarkerModelview();
    const Matrix marker = current(GL_MODELVIEW_MATRIX);
    setPerspective();

    keyboard('o', 0, 0);
    expectMatrix(current(GL_PROJECTION_MATRIX), windowOrtho);
    keyboard('o', 0, 0);
    expectMatrix(current(GL_PROJECTION_MATRIX), windowOrtho);
    for (const unsigned char ignored : {'P', 'O', 'x', ' ', '0', '\x1b'}) {
        keyboard(ignored, 10, 20);
        expectMatrix(current(GL_PROJECTION_MATRIX), windowOrtho);
    }
    keyboard('p', 0, 0);
    expectMatrix(current(GL_PROJECTION_MATRIX), windowPerspective);
    for (const unsigned char ignored : {'O', 'P', 'q'}) {
        keyboard(ignored, 0, 0);
        expectMatrix(current(GL_PROJECTION_MATRIX), windowPerspective);
    }
    EXPECT_EQ(matrixMode(), GL_MODELVIEW);
    expectMatrix(current(GL_MODELVIEW_MATRIX), marker);
}
