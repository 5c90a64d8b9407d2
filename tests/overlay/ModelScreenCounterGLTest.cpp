// The model counter drawn by the overlay pass: the object appears beside the number,
// keeps its proportions on a wide screen and goes back to its own place afterwards.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "overlay/ModelScreenCounter.h"
#include "scene/DynamicSceneObject.h"
#include "tests/support/GLContext.h"

namespace {
// A square of side 2 around its origin, in blue, facing the viewer.
struct Tile : DynamicSceneObject {
    void draw() override
    {
        DynamicSceneObject::draw();
        glColor4d(0, 0, 1, 1);
        glNormal3d(0, 0, 1);  // facing the counter's light
        glBegin(GL_QUADS);
        glVertex3d(-1, -1, 0);
        glVertex3d(1, -1, 0);
        glVertex3d(1, 1, 0);
        glVertex3d(-1, 1, 0);
        glEnd();
    }
};

int countBlue(int& left, int& right, int& bottom, int& top)
{
    const std::vector<std::uint8_t> pixels = GLContext::readPixels();
    int count = 0;
    left = bottom = 1 << 30;
    right = top = -1;
    for (int y = 0; y < GLContext::height(); ++y)
        for (int x = 0; x < GLContext::width(); ++x)
            if (pixels[(y * GLContext::width() + x) * 3 + 2] > 128) {
                ++count;
                left = std::min(left, x);
                right = std::max(right, x);
                bottom = std::min(bottom, y);
                top = std::max(top, y);
            }
    return count;
}
}  // namespace

TEST(ModelScreenCounterGLTest, TheObjectStandsBesideTheNumberInItsOwnProportions)
{
    GlyphSet::fromImage("counter-gl", 16, 16, std::vector<unsigned char>(16 * 16 * 3, 0));
    GLContext::resize(800, 400);
    Tile tile;
    tile.setScale(0.05);
    tile.setPosition(0, 0.1, 0);  // its own offset: 0.1 higher
    ModelScreenCounter counter(&tile, 0.2, 1, 7, "counter-gl");
    counter.setPosition(0.5, 0.3);
    counter.calculateLater({3, 0});
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScreenElements();

    int left, right, bottom, top;
    EXPECT_GT(countBlue(left, right, bottom, top), 0);
    // Centre (0.3, 0.4) of the screen: (240, 160) in pixels; half a side 0.05 of the height = 20 px.
    EXPECT_NEAR((left + right + 1) / 2.0, 240, 1);
    EXPECT_NEAR((bottom + top + 1) / 2.0, 160, 1);
    EXPECT_NEAR(right + 1 - left, 40, 1) << "as wide as high on a 2:1 screen";
    EXPECT_NEAR(top + 1 - bottom, 40, 1);
    EXPECT_NEAR((tile.getPosition() - Vector(0, 0.1, 0)).length(), 0, 1e-12) << "back at its own place";
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLContext::resize(640, 480);
}
