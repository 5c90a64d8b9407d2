// Text drawn by the overlay pass under a real GL context: the ink lands where the anchor
// says, in the font colour; a glider shows only inside its rectangle; font files written by
// ImageMagick in 8 and in 24 bits draw their letters.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "overlay/ScreenTextGlider.h"
#include "tests/support/GLContext.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFont.h"

namespace {
using Box = GLContext::Box;

// The bounding box of the pixels whose red passes half.
Box inkBox() { return GLContext::litBox(0, 127); }

// The box's edges in overlay units, within a pixel and a half.
void expectBox(const Box& box, double left, double right, double bottom, double top)
{
    EXPECT_NEAR(box.left, left * 640, 1.5);
    EXPECT_NEAR(box.right + 1, right * 640, 1.5);
    EXPECT_NEAR(box.bottom, bottom * 480, 1.5);
    EXPECT_NEAR(box.top + 1, top * 480, 1.5);
}

struct ScreenTextGLTest : ::testing::Test {
    void SetUp() override
    {
        // 16-pixel cells whose ink is a solid block over columns 4..11: every glyph is half a
        // cell wide, with quarter-cell margins.
        std::vector<unsigned char> rgb(256 * 256 * 3, 0);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                if (x % 16 >= 4 && x % 16 < 12) rgb[(y * 256 + x) * 3] = 255;
        GlyphSet::fromImage("blocks", 256, 256, rgb);
        GLContext::resize(640, 480);
    }
    void drawFrame(float blue = 0)
    {
        glClearColor(0, 0, blue, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawScreenElements();
    }
};
}  // namespace

TEST_F(ScreenTextGLTest, InkLandsWhereTheAnchorSays)
{
    ScreenTextPoint text("blocks", "AB");
    text.setColor(Color(1, 0, 0, 1));
    // "AB" is 0.13 wide: 0.01 lead, 0.05 ink, 0.01 gap, 0.05 ink, 0.01 trail; cells 0.1 high.
    struct Case {
        int alignment;
        double x, y, inkLeft, inkBottom;
    };
    const Case cases[] = {{ScreenTextPoint::TopLeft, 0.0, 1.0, 0.01, 0.9},
                          {ScreenTextPoint::Center, 0.5, 0.5, 0.445, 0.45},
                          {ScreenTextPoint::BottomRight, 1.0, 0.0, 0.88, 0.0},
                          {ScreenTextPoint::Left, 0.2, 0.2, 0.21, 0.15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        text.setAlignment(c.alignment);
        text.setPosition(c.x, c.y);
        drawFrame();
        const Box box = inkBox();
        expectBox(box, c.inkLeft, c.inkLeft + 0.11, c.inkBottom, c.inkBottom + 0.1);
        EXPECT_LT(GLContext::pixel((box.left + box.right) / 2, (box.bottom + box.top) / 2).r, 64)
            << "the gap between the glyphs stays dark";
    }
}

TEST_F(ScreenTextGLTest, TheFontColourAndItsAlphaTintTheInkAndBrokenTextDrawsNothing)
{
    ScreenTextPoint text("blocks", "A");
    text.setAlignment(ScreenTextPoint::Center);
    text.setPosition(0.5, 0.5);
    text.setColor(Color(0, 1, 0, 0.5));
    drawFrame(1);
    const GLContext::Rgb ink = GLContext::pixel(320, 240);
    EXPECT_NEAR(ink.r, 0, 2);
    EXPECT_NEAR(ink.g, 128, 3);
    EXPECT_NEAR(ink.b, 128, 3);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    text.setText("");
    ScreenTextPoint hidden("blocks", "AAAA"), misplaced("blocks", "AAAA");
    hidden.hide();
    misplaced.setPosition(0.5, std::nan(""));
    drawFrame();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0);
}

TEST_F(ScreenTextGLTest, AGliderShowsItsTextOnlyInsideItsRectangle)
{
    ScreenTextGlider glider("blocks", 0.25, 0.25, 0.5, 0.5, "AAAAAAAAAAAA\nAAAAAAAAAAAA\nAAAAAAAAAAAA");
    glider.setColor(Color(1, 0, 0, 1));
    glider.setSize(0.2);
    glider.calculateAlways({0, 6.0});  // the text's top has risen 0.6 into the field
    drawFrame();
    // The lines run from 0.85 down to 0.21, the glyphs' ink from 0.27 to 2.69: only the
    // field (0.25 to 0.75 both ways) shows, its right edge falling in a gap at 0.73.
    expectBox(inkBox(), 0.27, 0.73, 0.25, 0.75);
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_DOUBLE_EQ(glider.getFieldBottom(), 0.25) << "the field is back in place after drawing";
}

TEST_F(ScreenTextGLTest, FontFilesOfBothBitDepthsGiveTheSameGlyphsAndDrawTheirLetters)
{
    TemporaryFolder folder;
    folder.enter();
    std::filesystem::create_directory("fonts");
    ASSERT_TRUE(writeFontBitmap("fonts/eight.bmp", 512, true));
    ASSERT_TRUE(writeFontBitmap("fonts/full.bmp", 512, false));
    const GlyphSet& grey = GlyphSet::get("eight");
    const GlyphSet& full = GlyphSet::get("full");
    for (int code = 0; code < 256; ++code) {
        ASSERT_EQ(grey.leftMargin(code), full.leftMargin(code)) << code;
        ASSERT_EQ(grey.rightMargin(code), full.rightMargin(code)) << code;
    }
    EXPECT_GT(full.inkWidth('W'), full.inkWidth('l')) << "glyph widths come from the drawn letters";
    EXPECT_GT(full.inkWidth('l'), 0.0);
    EXPECT_EQ(full.inkWidth('\x7f'), 0.0) << "an empty cell";
    for (const char* name : {"eight", "full"}) {
        SCOPED_TRACE(name);
        ScreenTextPoint text(name, "Hi");
        text.setColor(Color(1, 0, 0, 1));
        text.setSize(0.2);
        text.setAlignment(ScreenTextPoint::Left);
        text.setPosition(0.1, 0.5);
        drawFrame();
        const Box box = inkBox();
        EXPECT_GT(box.right - box.left, 40) << "letters drawn";
        EXPECT_GE(box.left, 64 + 8) << "nothing before the first glyph's lead";
        EXPECT_LE(box.right, (0.1 + text.getWidth()) * 640) << "nothing after the line's width";
    }
}
