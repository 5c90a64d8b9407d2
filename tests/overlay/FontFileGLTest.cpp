// Font files drawn: bitmaps written by ImageMagick in 8 and in 24 bits load and put their
// letters on the screen.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "overlay/ScreenTextPoint.h"
#include "tests/support/GLContext.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFont.h"

namespace {
// Pixels whose red passes half, counted in the column range [left, right).
int inkIn(int left, int right)
{
    const std::vector<std::uint8_t> pixels = GLContext::readPixels();
    int count = 0;
    for (int y = 0; y < GLContext::height(); ++y)
        for (int x = left; x < right; ++x)
            if (pixels[(y * GLContext::width() + x) * 3] >= 128) ++count;
    return count;
}
}  // namespace

TEST(FontFileGLTest, BothBitDepthsDrawTheirLetters)
{
    TemporaryFolder folder;
    folder.enter();
    std::filesystem::create_directory("fonts");
    ASSERT_TRUE(writeFontBitmap("fonts/eight.bmp", 512, true));
    ASSERT_TRUE(writeFontBitmap("fonts/full.bmp", 1024, false));
    GLContext::resize(640, 480);
    for (const char* name : {"eight", "full"}) {
        SCOPED_TRACE(name);
        ScreenTextPoint text(name, "Hi");
        text.setColor(Color(1, 0, 0, 1));
        text.setSize(0.2);
        text.setAlignment(ScreenTextPoint::Left);
        text.setPosition(0.1, 0.5);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawScreenElements();
        const int right = static_cast<int>((0.1 + text.getWidth()) * 640);
        EXPECT_GT(inkIn(64, right), 300) << "letters drawn";
        EXPECT_EQ(inkIn(0, 64 + 8), 0) << "nothing before the first glyph's lead";
        EXPECT_EQ(inkIn(right, 640), 0) << "nothing after the line's width";
    }
}
