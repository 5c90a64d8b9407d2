// Text drawn by the overlay pass under a real GL context: the ink lands where the anchor
// says, in the font colour, and a glider shows only inside its rectangle.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "overlay/ColorScreenBeam.h"
#include "overlay/ScreenTextGlider.h"
#include "tests/support/GLContext.h"

namespace {
// 16-pixel cells whose ink is a solid block over columns 4..11: every glyph is half a cell
// wide with quarter-cell margins.
void makeBlockFont()
{
    std::vector<unsigned char> rgb(256 * 256 * 3, 0);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            if (x % 16 >= 4 && x % 16 < 12) rgb[(y * 256 + x) * 3] = 255;
    GlyphSet::fromImage("blocks", 256, 256, rgb);
}

struct Box {
    int left = 1 << 30, right = -1, bottom = 1 << 30, top = -1;  // inclusive pixel bounds
    bool empty() const { return right < 0; }
};

// The bounding box of pixels whose red channel passes half.
Box inkBox()
{
    const std::vector<std::uint8_t> pixels = GLContext::readPixels();
    Box box;
    for (int y = 0; y < GLContext::height(); ++y)
        for (int x = 0; x < GLContext::width(); ++x)
            if (pixels[(y * GLContext::width() + x) * 3] >= 128) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.bottom = std::min(box.bottom, y);
                box.top = std::max(box.top, y);
            }
    return box;
}

void drawFrame()
{
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScreenElements();
}

// Pixel edges of ink from overlay coordinates, within a pixel.
void expectBox(const Box& box, double left, double right, double bottom, double top)
{
    const double w = GLContext::width(), h = GLContext::height();
    EXPECT_NEAR(box.left, left * w, 1.5);
    EXPECT_NEAR(box.right + 1, right * w, 1.5);
    EXPECT_NEAR(box.bottom, bottom * h, 1.5);
    EXPECT_NEAR(box.top + 1, top * h, 1.5);
}

struct ScreenTextGLTest : ::testing::Test {
    void SetUp() override
    {
        makeBlockFont();
        GLContext::resize(640, 480);
        glViewport(0, 0, 640, 480);
    }
};
}  // namespace

TEST_F(ScreenTextGLTest, InkLandsWhereTheAnchorSays)
{
    ScreenTextPoint text("blocks", "AB");
    text.setColor(Color(1, 0, 0, 1));
    text.setSize(0.1);
    // "AB" is 0.13 wide: 0.01 lead, 0.05 ink, 0.01 gap, 0.05 ink, 0.01 trail; its cells 0.1 high.
    struct Case {
        int alignment;
        double x, y, inkLeft, inkBottom;
    };
    const Case cases[] = {
        {ScreenTextPoint::TopLeft, 0.0, 1.0, 0.01, 0.9},
        {ScreenTextPoint::Center, 0.5, 0.5, 0.5 - 0.065 + 0.01, 0.45},
        {ScreenTextPoint::BottomRight, 1.0, 0.0, 1.0 - 0.13 + 0.01, 0.0},
        {ScreenTextPoint::Top, 0.3, 0.7, 0.3 - 0.065 + 0.01, 0.6},
        {ScreenTextPoint::Left, 0.2, 0.2, 0.21, 0.15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        text.setAlignment(c.alignment);
        text.setPosition(c.x, c.y);
        drawFrame();
        expectBox(inkBox(), c.inkLeft, c.inkLeft + 0.11, c.inkBottom, c.inkBottom + 0.1);
        const Box box = inkBox();
        // The gap between the two glyphs stays dark.
        EXPECT_LT(GLContext::pixel((box.left + box.right) / 2, (box.bottom + box.top) / 2).r, 64);
    }
}

TEST_F(ScreenTextGLTest, LinesStackDownwardAndAlignByTheirOwnWidth)
{
    ScreenTextPoint text("blocks", "ABCD\nAB");
    text.setColor(Color(1, 0, 0, 1));
    text.setAlignment(ScreenTextPoint::BottomRight);
    text.setPosition(0.9, 0.1);
    drawFrame();
    // The last line sits on the anchor and ends 0.01 before it; the first line is 0.11 higher.
    const int rightEdge = static_cast<int>((0.9 - 0.01) * 640) - 1;
    const int lastRow = static_cast<int>(0.15 * 480), firstRow = static_cast<int>(0.26 * 480);
    EXPECT_GT(GLContext::pixel(rightEdge - 2, lastRow).r, 200);
    EXPECT_GT(GLContext::pixel(rightEdge - 2, firstRow).r, 200);
    const int lastLineStart = static_cast<int>((0.9 - 0.23 + 0.01) * 640);
    EXPECT_LT(GLContext::pixel(lastLineStart - 4, lastRow).r, 64);
    EXPECT_GT(GLContext::pixel(lastLineStart - 4, firstRow).r, 200) << "the longer line reaches further left";
}

TEST_F(ScreenTextGLTest, TheFontColourAndItsAlphaTintTheInk)
{
    ScreenTextPoint text("blocks", "A");
    text.setAlignment(ScreenTextPoint::Center);
    text.setPosition(0.5, 0.5);
    text.setColor(Color(0, 1, 0, 0.5));
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScreenElements();
    const GLContext::Rgb ink = GLContext::pixel(320, 240);
    EXPECT_NEAR(ink.r, 0, 2);
    EXPECT_NEAR(ink.g, 128, 3);
    EXPECT_NEAR(ink.b, 128, 3);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(ScreenTextGLTest, NoTextDrawsNothingAndHiddenTextIsNotDrawn)
{
    ScreenTextPoint empty("blocks", "");
    ScreenTextPoint hidden("blocks", "AAAA");
    hidden.setColor(Color(1, 0, 0, 1));
    hidden.hide();
    ScreenTextPoint broken("blocks", "AAAA");
    broken.setPosition(0.5, std::nan(""));
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
    const Box box = inkBox();
    ASSERT_FALSE(box.empty());
    // The lines run from 0.85 down to 0.21 and the glyphs from 0.27 to 2.69: only the field shows.
    expectBox(box, 0.25 + 0.02, 0.73, 0.25, 0.75);
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_DOUBLE_EQ(glider.getFieldBottom(), 0.25) << "the field is back in place after drawing";
}

TEST_F(ScreenTextGLTest, HigherLayersCoverLowerOnes)
{
    ColorScreenBeam red(0.4, 0.4, 0.2, 0.2, true, true, Color(1, 0, 0, 1), Color(1, 0, 0, 1), 1);
    ColorScreenBeam green(0.4, 0.4, 0.2, 0.2, true, true, Color(0, 1, 0, 1), Color(0, 1, 0, 1), 1);
    ColorScreenBeam blue(0.4, 0.4, 0.2, 0.2, true, true, Color(0, 0, 1, 1), Color(0, 0, 1, 1), 1);
    red.setLayer(2);
    green.setLayer(0);
    blue.setLayer(1);
    drawFrame();
    const GLContext::Rgb top = GLContext::pixel(320, 240);
    EXPECT_EQ(top.r, 255);
    EXPECT_EQ(top.b, 0);
    red.setLayer(-1);
    drawFrame();
    EXPECT_EQ(GLContext::pixel(320, 240).b, 255);
}
