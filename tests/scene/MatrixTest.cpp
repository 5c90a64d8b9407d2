// What the GL matrix stack cannot show (MatrixGLTest compares the builders and the product
// with it): the perspective divide, axes, scales, the rotation part and degenerate input.
#include "scene/Matrix.h"

#include <gtest/gtest.h>

#include "tests/support/Expect.h"

TEST(MatrixTest, ApplyDividesOnlyWhenWIsNotOne)
{
    const Vector p = Matrix::perspective(90, 1, 1, 10).apply({0, 0, -2});
    EXPECT_NEAR(p.z(), (22.0 / 9.0 - 20.0 / 9.0) / 2.0, 1e-12);  // w = 2
    const Vector q = Matrix::translation(1, 2, 3).apply({0, 0, 0});
    EXPECT_EQ(q.z(), 3);
}

TEST(MatrixTest, AxesScalesAndRotationPart)
{
    const Matrix rotation = Matrix::rotation(30, 0, 0, 1);
    const Matrix composed = Matrix::translation(1, 2, 3) * rotation * Matrix::scaling(2, 2, 2);
    const Vector scales = composed.axisScales();
    EXPECT_NEAR(scales.x(), 2, 1e-12);
    EXPECT_NEAR(scales.z(), 2, 1e-12);
    EXPECT_NEAR(composed.origin().y(), 2, 1e-12);
    EXPECT_TRUE(near(composed.rotationPart(), rotation));
    EXPECT_TRUE(near(Matrix::scaling(0, 1, 1).rotationPart(), Matrix::scaling(0, 1, 1)));
}

TEST(MatrixTest, DegeneratePerspectiveIsIdentity)
{
    EXPECT_TRUE(near(Matrix::perspective(45, 0, 0.1, 100), Matrix::identity()));
    EXPECT_TRUE(near(Matrix::perspective(45, 1, 5, 5), Matrix::identity()));
}

TEST(MatrixTest, BlendIsElementwise)
{
    const Matrix mid = Matrix::translation(0, 0, 0).blend(Matrix::translation(2, 4, 6), 0.25);
    EXPECT_DOUBLE_EQ(mid[12], 0.5);
    EXPECT_DOUBLE_EQ(mid[14], 1.5);
}
