// The matrix builders and the product must give what the GL matrix stack gives.
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
}  // namespace

TEST(MatrixGLTest, BuildersAndTheProductMatchTheMatrixStack)
{
    const Matrix a = Matrix::rotation(30, 1, 1, 0), b = Matrix::translation(1, 2, 3);
    const std::pair<Matrix, std::function<void()>> cases[] = {
        {Matrix::translation(1.5, -2, 3), [] { glTranslated(1.5, -2, 3); }},
        {Matrix::scaling(2, 0.5, -1), [] { glScaled(2, 0.5, -1); }},
        {Matrix::rotation(37, 1, 2, 3), [] { glRotated(37, 1, 2, 3); }},
        {Matrix::rotation(90, 0, 0, 0), [] { glRotated(90, 0, 0, 0); }},
        {Matrix::perspective(45, 4.0 / 3.0, 0.1f, 100), [] { gluPerspective(45, 4.0 / 3.0, 0.1f, 100); }},
        {a * b,
         [&] {
             a.multiplyGL();
             b.multiplyGL();
         }},
    };
    for (std::size_t c = 0; c < std::size(cases); ++c) {
        const Matrix gl = fromGL(cases[c].second);
        // Mesa evaluates in single precision.
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(cases[c].first[i], gl[i], 2e-6 * (1 + std::abs(gl[i]))) << "case " << c << ", element " << i;
    }
}
