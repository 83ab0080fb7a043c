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

const Matrix windowPerspective = gltransform::perspective(30.0, 640.0f / 480.0f, 10.0, 10000.0);
const Matrix windowOrtho = gltransform::orthographic(-320, 320, -240, 240, 10, 10000);

// Perspective is thirty degrees at the window's aspect; orthographic maps one unit to a pixel.
struct Setter {
    const char* name;
    void (*set)();
    const Matrix* matrix;
};

// Names each case in the test's name.
void PrintTo(const Setter& setter, std::ostream* out) { *out << setter.name; }

class ProjectionSetter : public testing::TestWithParam<Setter> {};

}  // namespace

TEST_P(ProjectionSetter, LoadsItsMatrixAndLeavesTheModelview) {
    testwindow::open();
    loadMarkerModelview();
    const Matrix marker = current(GL_MODELVIEW_MATRIX);
    GetParam().set();
    expectMatrix(current(GL_PROJECTION_MATRIX), *GetParam().matrix);
    // Only the projection matrix is replaced, and drawing goes on in the modelview matrix.
    EXPECT_EQ(matrixMode(), GL_MODELVIEW);
    expectMatrix(current(GL_MODELVIEW_MATRIX), marker);
}

INSTANTIATE_TEST_SUITE_P(Projection, ProjectionSetter,
                         testing::Values(Setter{"Perspective", setPerspective, &windowPerspective},
                                         Setter{"Orthographic", setOrthographic, &windowOrtho}));

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
