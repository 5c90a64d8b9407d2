// Font files on disk: which bitmaps are fonts, what a broken one ends in, that a failed load
// leaves nothing behind under its name, and that 8- and 24-bit files give the same glyphs.
#include <gtest/gtest.h>

#include "overlay/ScreenTextPoint.h"
#include "scene/Platform.h"
#include "tests/support/BmpBytes.h"
#include "tests/support/Expect.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFont.h"

namespace {
struct FontFileTest : ::testing::Test {
    void SetUp() override
    {
        Platform::install(&platform);
        folder.enter();
        std::filesystem::create_directory("fonts");
    }
    void TearDown() override { Platform::install(nullptr); }
    static std::string failureOf(const std::string& name) { return GAME_ERROR_OF(ScreenTextPoint(name, "x")); }
    NullPlatform platform;
    TemporaryFolder folder;
};
}  // namespace

TEST_F(FontFileTest, OnlyReadableSquarePowerOfTwoBitmapsAreFonts)
{
    BmpBytes{.width = 32, .height = 16}.write("fonts/wide.bmp");
    BmpBytes{.width = 24, .height = 24}.write("fonts/odd.bmp");
    BmpBytes{.width = 8, .height = 8}.write("fonts/tiny.bmp");
    EXPECT_EQ(failureOf("wide"), "Not supported format");
    EXPECT_EQ(failureOf("odd"), "Not supported format");
    EXPECT_EQ(failureOf("tiny"), "Not supported format");
    EXPECT_EQ(failureOf("missing"), "Can't open bmp file");
    EXPECT_EQ(failureOf("Wide"), "Can't open bmp file") << "names are exact";

    writeFile("fonts/damaged.bmp", {'B', 'M', 1, 2, 3});
    EXPECT_EQ(failureOf("damaged"), "Not supported format");
    EXPECT_FALSE(platform.lastMessage.empty()) << "the reader said what was wrong";
    ASSERT_TRUE(writeFontBitmap("fonts/damaged.bmp", 256, false));  // mended on disk
    EXPECT_EQ(failureOf("damaged"), "(no error)") << "the failure was not cached";
}

TEST_F(FontFileTest, EightAndTwentyFourBitFilesGiveTheSameGlyphs)
{
    ASSERT_TRUE(writeFontBitmap("fonts/grey.bmp", 256, true));
    ASSERT_TRUE(writeFontBitmap("fonts/true.bmp", 256, false));
    const GlyphSet& grey = GlyphSet::get("grey");
    const GlyphSet& full = GlyphSet::get("true");
    for (int code = 0; code < 256; ++code) {
        ASSERT_EQ(grey.leftMargin(code), full.leftMargin(code)) << code;
        ASSERT_EQ(grey.rightMargin(code), full.rightMargin(code)) << code;
    }
    EXPECT_GT(full.inkWidth('W'), full.inkWidth('l')) << "glyph widths come from the drawn letters";
    EXPECT_GT(full.inkWidth('l'), 0.0);
    EXPECT_EQ(full.inkWidth('\x7f'), 0.0) << "an empty cell";
}
