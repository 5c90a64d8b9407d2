// The engine's value types where no GL stack can show them (MatrixGLTest has the rest).
#include "scene/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "scene/ByteColor.h"
#include "tests/support/Expect.h"

TEST(MatrixTest, ApplyDividesByWAndTheRotationPartDropsPlaceAndScale)
{
    const Vector p = Matrix::perspective(90, 1, 1, 10).apply({0, 0, -2});
    EXPECT_NEAR(p.z(), (22.0 / 9.0 - 20.0 / 9.0) / 2.0, 1e-12);  // w = 2
    EXPECT_EQ(Matrix::translation(1, 2, 3).apply({0, 0, 0}).z(), 3);

    const Matrix rotation = Matrix::rotation(30, 0, 0, 1);
    const Matrix composed = Matrix::translation(1, 2, 3) * rotation * Matrix::scaling(2, 2, 2);
    EXPECT_TRUE(near(composed.axisScales(), {2, 2, 2}));
    EXPECT_TRUE(near(composed.origin(), {1, 2, 3}));
    EXPECT_TRUE(near(composed.rotationPart(), rotation));
    EXPECT_TRUE(near(Matrix::scaling(0, 1, 1).rotationPart(), Matrix::scaling(0, 1, 1)));
    EXPECT_TRUE(near(Matrix().blend(Matrix::translation(2, 4, 6), 0.25), Matrix::translation(0.5, 1, 1.5)));
    // A degenerate view gives the identity rather than infinities.
    EXPECT_TRUE(near(Matrix::perspective(45, 0, 0.1, 100), Matrix::identity()));
    EXPECT_TRUE(near(Matrix::perspective(45, 1, 5, 5), Matrix::identity()));
}

TEST(VectorTest, LengthsDirectionsProductsAndAngles)
{
    const Vector a(1, 2, 3), b(4, 5, 6);
    EXPECT_DOUBLE_EQ(Vector(3, 4, 0).length(), 5.0);
    EXPECT_TRUE(near(Vector(Vector(0, 3, 4), 10.0), {0, 6, 8}));
    EXPECT_TRUE(Vector(Vector(), 5.0).isZero()) << "no direction: stays zero";
    EXPECT_TRUE(near(a.cross(b), {-3, 6, -3}));
    EXPECT_TRUE(near(12.0 / Vector(2, 3, 4), {6, 4, 3}));
    EXPECT_TRUE(near(a.interpolate(b, 0.5), {2.5, 3.5, 4.5}));

    EXPECT_DOUBLE_EQ(Vector(1, 0, 0).angleTo({-1, 0, 0}), std::numbers::pi);
    EXPECT_NEAR(Vector(1, 0, 0).angleToDegrees({-1, 1, 0}), 135.0, 1e-12);
    EXPECT_TRUE(std::isnan(Vector(1, 0, 0).angleTo({0, 0, 0})));
}

TEST(ColorTest, BlendsClampAndBytesAndIndicesSurviveTheRoundTrip)
{
    const Color from(0, 0, 0, 0), to(1, 1, 1, 1);
    EXPECT_TRUE(near(Color(from, to, -0.25), {0.75, 0.75, 0.75, 0.75})) << "the parameter is normalised";
    EXPECT_TRUE(near(Color(from, to, -3), from));
    EXPECT_TRUE(near(Color(from, to, 2), to));
    EXPECT_TRUE(near(Color(Color(0.1, 0.2, 0.3, 1), 0.4), {0.1, 0.2, 0.3, 0.4}));

    for (int byte = 0; byte < 256; ++byte) {
        const ByteColor color(byte, 255 - byte, byte / 2);
        ASSERT_EQ(color.redByte(), byte);
        ASSERT_EQ(color.greenByte(), 255 - byte);
        ASSERT_EQ(color.blueByte(), byte / 2);
        // What an 8-bit framebuffer stores: the channel rounded to the nearest of 255 steps.
        ASSERT_EQ(static_cast<int>(color.red() * 255 + 0.5), byte);
    }
    EXPECT_DOUBLE_EQ(ByteColor(128, 0, 255).red(), (128 * 128 + 64) / 32767.0);
    EXPECT_EQ(ByteColor(128, 0, 255).blue(), 1.0);

    const ByteColor c = ByteColor::fromIndex(258);
    EXPECT_EQ((std::array<int, 3>{c.redByte(), c.greenByte(), c.blueByte()}), (std::array<int, 3>{2, 1, 0}));
    EXPECT_EQ(ByteColor::fromIndex(16777215).toIndex(), 16777215);
    EXPECT_GAME_ERROR(ByteColor::fromIndex(16777217), "requested index too high");
}
