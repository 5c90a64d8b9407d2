// The crosshair drawn by the overlay pass: centred on the pixel under the pointer, four arms
// of `size` pixels, the centre pixel left free.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/CrosshairCursor.h"
#include "tests/support/GLContext.h"

TEST(CursorGLTest, TheCrosshairSurroundsThePixelUnderThePointer)
{
    GLContext::resize(1024, 768);
    CrosshairCursor cursor(8, Color(0, 1, 0, 1));
    cursor.show();
    const auto drawAt = [&](int x, int y) {
        cursor.mouseMoved(Pointer::inViewport(x, y));
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawScreenElements();
    };
    const auto lit = [](int x, int y) { return GLContext::pixel(x, y).g > 128; };
    drawAt(512, 384);
    const int cx = 512, cy = 768 - 1 - 384;  // window rows count from the top
    EXPECT_FALSE(lit(cx, cy)) << "centre pixel free";
    for (int d = 1; d <= 8; ++d) {
        EXPECT_TRUE(lit(cx + d, cy) && lit(cx - d, cy) && lit(cx, cy + d) && lit(cx, cy - d)) << d;
    }
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 32) << "four arms of eight pixels, nothing else";

    drawAt(0, 0);  // the top left corner: only the right and down arms are inside
    EXPECT_TRUE(lit(1, 767) && lit(0, 766));
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 16);

    glViewport(0, 0, 0, 0);  // a minimised window
    glLoadIdentity();
    cursor.draw();
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    for (double v : m) EXPECT_TRUE(std::isfinite(v));
    Cursor::useSystemCursor();
    GLContext::resize(640, 480);
}
