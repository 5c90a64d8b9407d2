// The crosshair drawn by the overlay pass: centred on the pixel under the pointer, four arms
// of `size` pixels, the centre pixel left free.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/CrosshairCursor.h"
#include "tests/support/GLContext.h"

namespace {
bool lit(int x, int y) { return GLContext::pixel(x, y).g > 128; }

struct CursorGLTest : ::testing::Test {
    void SetUp() override { GLContext::resize(1024, 768); }
    void TearDown() override { GLContext::resize(640, 480); }
    void drawFrame()
    {
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawScreenElements();
    }
};
}  // namespace

TEST_F(CursorGLTest, TheCrosshairSurroundsThePixelUnderThePointer)
{
    CrosshairCursor cursor(8, Color(0, 1, 0, 1));
    cursor.show();
    cursor.mouseMoved(512, 384);
    drawFrame();
    // Window row 384 from the top is GL row 768 - 1 - 384 from the bottom.
    const int cx = 512, cy = 383;
    EXPECT_FALSE(lit(cx, cy)) << "centre pixel free";
    for (int d = 1; d <= 8; ++d) {
        EXPECT_TRUE(lit(cx + d, cy)) << "right " << d;
        EXPECT_TRUE(lit(cx - d, cy)) << "left " << d;
        EXPECT_TRUE(lit(cx, cy + d)) << "up " << d;
        EXPECT_TRUE(lit(cx, cy - d)) << "down " << d;
    }
    EXPECT_FALSE(lit(cx + 9, cy));
    EXPECT_FALSE(lit(cx, cy - 9));
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 32) << "four arms of eight pixels, nothing else";

    cursor.mouseMoved(0, 0);  // the top left corner: only the right and down arms are inside
    drawFrame();
    EXPECT_TRUE(lit(1, 767));
    EXPECT_TRUE(lit(0, 766));
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 16);
    Cursor::useSystemCursor();
}

TEST_F(CursorGLTest, AZeroSizeViewportDrawsNothingAndStaysFinite)
{
    CrosshairCursor cursor(8, Color(0, 1, 0, 1));
    cursor.show();
    cursor.mouseMoved(10, 10);
    glViewport(0, 0, 0, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    cursor.draw();
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    for (double v : m) EXPECT_TRUE(std::isfinite(v));
    glViewport(0, 0, 1024, 768);
    Cursor::useSystemCursor();
}
