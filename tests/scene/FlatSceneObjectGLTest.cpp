// Billboards: they face the viewer whatever the object's or the camera's turn, keep their
// apparent size, leave lighting and the matrix stacks as they found them; transparent ones
// blend in the transparent pass.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "scene/Camera.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"
#include "tests/support/SceneGLTest.h"
#include "tests/support/Shapes.h"

namespace {
constexpr int width = 200, height = 200;

struct Extent {
    int count = 0, left = width, right = -1, bottom = height, top = -1;
    int boxWidth() const { return right - left + 1; }
    int boxHeight() const { return top - bottom + 1; }
};

// The pixels that are not black, and their bounding box.
Extent drawnExtent()
{
    const std::vector<std::uint8_t> pixels = GLContext::readPixels();
    Extent e;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 3];
            if (p[0] + p[1] + p[2] < 30) continue;
            ++e.count;
            e.left = std::min(e.left, x), e.right = std::max(e.right, x);
            e.bottom = std::min(e.bottom, y), e.top = std::max(e.top, y);
        }
    }
    return e;
}

struct FlatSceneObjectGLTest : SceneGLTest {
    FlatSceneObjectGLTest() : SceneGLTest(width, height, 0.0) {}
    Extent drawFrame(const std::string& shot = "")
    {
        drawScene(shot);
        return drawnExtent();
    }
};
}  // namespace

TEST_F(FlatSceneObjectGLTest, BillboardFacesTheViewerWithItsSize)
{
    auto* board = new Billboard;
    board->setPosition(0, 0, -4);
    graph->addChild(board);
    const Extent plain = drawFrame("flat-plain");
    ASSERT_GT(plain.count, 400);
    EXPECT_EQ(plain.count, plain.boxWidth() * plain.boxHeight()) << "a filled upright square";

    board->setRotation(70, 0, 1, 0);  // an ordinary square would be seen nearly edge-on
    const Extent turned = drawFrame();
    EXPECT_NEAR(turned.count, plain.count, plain.count / 50);

    camera->setRotation(45, 0, 0, 1);  // rolling the camera would show a diamond
    board->setPosition(0, 0, -4);
    const Extent rolled = drawFrame("flat-rolled");
    EXPECT_EQ(rolled.count, rolled.boxWidth() * rolled.boxHeight()) << "still upright on the screen";
    EXPECT_NEAR(rolled.boxWidth(), plain.boxWidth(), 1);

    board->setScale(2);
    const Extent doubled = drawFrame();
    EXPECT_NEAR(doubled.boxWidth(), 2 * plain.boxWidth(), 2) << "the object's scale still counts";
}

TEST_F(FlatSceneObjectGLTest, LightingAndMatrixStacksAreLeftAsFound)
{
    Billboard board;
    board.setPosition(0, 0, -4);
    camera->calculate({0, 0});
    for (bool lit : {true, false}) {
        lit ? glEnable(GL_LIGHTING) : glDisable(GL_LIGHTING);
        glMatrixMode(GL_MODELVIEW);
        GLint modelviewDepth = 0, projectionDepth = 0, after = 0, mode = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelviewDepth);
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
        board.draw();
        EXPECT_EQ(glIsEnabled(GL_LIGHTING), lit ? GL_TRUE : GL_FALSE);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &after);
        EXPECT_EQ(after, modelviewDepth);
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &after);
        EXPECT_EQ(after, projectionDepth);
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
    }
    glEnable(GL_LIGHTING);
}

TEST_F(FlatSceneObjectGLTest, TransparentBillboardsBlendOverTheSolidScene)
{
    auto* wall = new ColouredSquare(0, 0, 1);
    wall->setPosition(0, 0, -6);
    graph->addChild(wall);
    auto* glass = new GlassBillboard(1, 0, 0, 0.5);
    glass->setPosition(0, 0, -4);
    drawFrame();
    EXPECT_EQ(GLContext::pixel(width / 2, height / 2).r, 0) << "not attached: not in the transparent pass";

    graph->addChild(glass);
    drawFrame("flat-glass");
    const GLContext::Rgb blended = GLContext::pixel(width / 2, height / 2);
    EXPECT_NEAR(blended.r, 128, 2);
    EXPECT_NEAR(blended.b, 127, 2);

    glass->setTransparent(false);
    drawFrame();
    const GLContext::Rgb solid = GLContext::pixel(width / 2, height / 2);
    EXPECT_NEAR(solid.r, 255, 2) << "drawn in the solid pass, unblended";
    EXPECT_NEAR(solid.b, 0, 2);
}
