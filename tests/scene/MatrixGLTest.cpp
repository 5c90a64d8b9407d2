// The matrix builders must give what the GL matrix stack gives for the same call.
#include "scene/Matrix.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <functional>

namespace {
Matrix fromGL(const std::function<void()>& call)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    call();
    std::array<double, 16> m{};
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
    glPopMatrix();
    return Matrix(m);
}

void expectSame(const Matrix& ours, const Matrix& gl)
{
    // Mesa evaluates in single precision.
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(ours[i], gl[i], 2e-6 * (1 + std::abs(gl[i]))) << "element " << i;
}
}  // namespace

TEST(MatrixGLTest, BuildersMatchTheMatrixStack)
{
    expectSame(Matrix::translation(1.5, -2, 3), fromGL([] { glTranslated(1.5, -2, 3); }));
    expectSame(Matrix::scaling(2, 0.5, -1), fromGL([] { glScaled(2, 0.5, -1); }));
    expectSame(Matrix::rotation(37, 1, 2, 3), fromGL([] { glRotated(37, 1, 2, 3); }));
    expectSame(Matrix::rotation(-120, 0, 1, 0), fromGL([] { glRotated(-120, 0, 1, 0); }));
    expectSame(Matrix::rotation(90, 0, 0, 0), fromGL([] { glRotated(90, 0, 0, 0); }));
    expectSame(Matrix::perspective(45, 4.0 / 3.0, 0.1f, 100), fromGL([] { gluPerspective(45, 4.0 / 3.0, 0.1f, 100); }));
}

TEST(MatrixGLTest, ProductMatchesGLMultiplication)
{
    const Matrix a = Matrix::rotation(30, 1, 1, 0), b = Matrix::translation(1, 2, 3);
    expectSame(a * b, fromGL([&] {
                   a.multiplyGL();
                   b.multiplyGL();
               }));
}
