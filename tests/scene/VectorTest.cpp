#include "scene/Vector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

TEST(VectorTest, LengthAndZero)
{
    EXPECT_DOUBLE_EQ(Vector(3, 4, 0).length(), 5.0);
    EXPECT_TRUE(Vector(0, -0.0, 0).isZero());
    EXPECT_FALSE(Vector(0, 1e-300, 0).isZero());
}

TEST(VectorTest, RescaleKeepsDirectionAndZeroStaysZero)
{
    const Vector v(Vector(0, 3, 4), 10.0);
    EXPECT_DOUBLE_EQ(v.y(), 6.0);
    EXPECT_DOUBLE_EQ(v.z(), 8.0);
    EXPECT_TRUE(Vector(Vector(), 5.0).isZero());
}

TEST(VectorTest, ArithmeticAndCross)
{
    const Vector a(1, 2, 3), b(4, 5, 6);
    const Vector c = a.cross(b);
    EXPECT_EQ(c.x(), -3);
    EXPECT_EQ(c.y(), 6);
    EXPECT_EQ(c.z(), -3);
    const Vector q = 12.0 / Vector(2, 3, 4);
    EXPECT_EQ(q.x(), 6);
    EXPECT_EQ(q.z(), 3);
    const Vector half = a.interpolate(b, 0.5);
    EXPECT_DOUBLE_EQ(half.x(), 2.5);
    EXPECT_EQ(a.x(), 1);  // unchanged
}

TEST(VectorTest, AnglesCoverTheWholeHalfTurn)
{
    EXPECT_DOUBLE_EQ(Vector(1, 0, 0).angleTo({-1, 0, 0}), std::numbers::pi);
    EXPECT_DOUBLE_EQ(Vector(1, 0, 0).angleTo({0, 1, 0}), std::numbers::pi / 2);
    EXPECT_NEAR(Vector(1, 0, 0).angleToDegrees({-1, 1, 0}), 135.0, 1e-12);
    EXPECT_NEAR(Vector(1, 0, 0).angleToDegrees({1, 1e-9, 0}), 0.0, 1e-6);
    EXPECT_TRUE(std::isnan(Vector(1, 0, 0).angleTo({0, 0, 0})));
}
