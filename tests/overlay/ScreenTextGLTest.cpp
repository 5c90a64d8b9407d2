// Text drawn by the overlay pass: where its ink lands, its colour, a glider's clipping.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/ScreenTextGlider.h"
#include "tests/support/GLContext.h"

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

TEST_F(ScreenTextGLTest, InkLandsWhereTheLayoutSays)
{
    // "AB" is 0.13 wide: 0.01 lead, 0.05 ink, 0.01 gap, 0.05 ink, 0.01 trail; cells 0.1 high.
    ScreenTextPoint text("blocks", "AB");
    text.setColor(Color(1, 0, 0, 1));
    text.setAlignment(ScreenTextPoint::Left);
    text.setPosition(0.2, 0.2);
    drawFrame();
    const Box box = inkBox();
    expectBox(box, 0.21, 0.32, 0.15, 0.25);
    EXPECT_LT(GLContext::pixel((box.left + box.right) / 2, (box.bottom + box.top) / 2).r, 64)
        << "the gap between the glyphs stays dark";
}

TEST_F(ScreenTextGLTest, TheFontColourAndItsAlphaTintTheInkAndBrokenTextDrawsNothing)
{
    ScreenTextPoint text("blocks", "A");
    text.setAlignment(ScreenTextPoint::Center);
    text.setPosition(0.5, 0.5);
    text.setColor(Color(0, 1, 0, 0.5));
    drawFrame(1);
    const GLContext::Rgb ink = GLContext::pixel(320, 240);
    EXPECT_TRUE(ink.r < 2 && std::abs(ink.g - 128) < 3 && std::abs(ink.b - 128) < 3);

    text.setText("");
    ScreenTextPoint hidden("blocks", "AAAA"), misplaced("blocks", "AAAA");
    hidden.hide();
    misplaced.setPosition(0.5, std::nan(""));
    drawFrame();
    EXPECT_EQ(GLContext::countNonBlack(), 0);
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
