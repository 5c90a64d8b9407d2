#include <gtest/gtest.h>

#include "scene/ByteColor.h"
#include "tests/support/Expect.h"

TEST(ColorTest, BlendNormalisesItsParameter)
{
    const Color from(0, 0, 0, 0), to(1, 1, 1, 1);
    EXPECT_DOUBLE_EQ(Color(from, to, -0.25).red(), 0.75);
    EXPECT_DOUBLE_EQ(Color(from, to, -3).green(), 0.0);
    EXPECT_DOUBLE_EQ(Color(from, to, 2).alpha(), 1.0);
    EXPECT_DOUBLE_EQ(Color(from, to, 0.5).blue(), 0.5);
    EXPECT_DOUBLE_EQ(Color(Color(0.1, 0.2, 0.3, 1), 0.4).alpha(), 0.4);
}

TEST(ColorTest, EveryByteSurvivesTheRoundTrip)
{
    for (int byte = 0; byte < 256; ++byte) {
        const ByteColor color(byte, 255 - byte, byte / 2);
        ASSERT_EQ(color.redByte(), byte);
        ASSERT_EQ(color.greenByte(), 255 - byte);
        ASSERT_EQ(color.blueByte(), byte / 2);
        // What an 8-bit framebuffer stores: the channel rounded to the nearest of 255 steps.
        ASSERT_EQ(static_cast<int>(color.red() * 255 + 0.5), byte);
    }
    const ByteColor sample(128, 0, 255);
    EXPECT_DOUBLE_EQ(sample.red(), (128 * 128 + 64) / 32767.0);
    EXPECT_EQ(sample.blue(), 1.0);
}

TEST(ColorTest, IndicesMapToColoursAndBack)
{
    EXPECT_EQ(ByteColor::fromIndex(0).toIndex(), 0);
    const ByteColor c = ByteColor::fromIndex(258);
    EXPECT_EQ(c.redByte(), 2);
    EXPECT_EQ(c.greenByte(), 1);
    EXPECT_EQ(c.blueByte(), 0);
    EXPECT_EQ(ByteColor::fromIndex(16777215).toIndex(), 16777215);
    EXPECT_GAME_ERROR(ByteColor::fromIndex(16777217), "requested index too high");
}
