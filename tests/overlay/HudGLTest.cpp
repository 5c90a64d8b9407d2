// The counters' model as the overlay draws it at 1280 x 720: where only pixels show it. The
// gauges' geometry is ScreenBeamTest's, the counters' layout CounterTimerTest's.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "overlay/ModelScreenCounter.h"
#include "scene/DynamicSceneObject.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"

namespace {
// A blue square of side 2 around its origin, facing the viewer.
struct Tile : DynamicSceneObject {
    void draw() override
    {
        DynamicSceneObject::draw();
        glColor3d(0, 0, 1);
        glNormal3d(0, 0, 1);
        glRectd(-1, -1, 1, 1);
    }
};

struct HudGLTest : ::testing::Test {
    void SetUp() override
    {
        GLContext::resize(1280, 720);
        SceneGraph::getInstance();  // the GL state every frame starts from
        glClearColor(0.02f, 0.03f, 0.08f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override { GLContext::resize(640, 480); }
};

GLContext::Rgb at(double x, double y)
{
    return GLContext::pixel(static_cast<int>(x * 1280), static_cast<int>(y * 720));
}
}  // namespace

TEST_F(HudGLTest, TheCountersObjectKeepsItsProportionsAndItsOwnPlace)
{
    Tile tile;
    tile.setScale(0.05);
    tile.setPosition(0, 0.1, 0);  // its own offset: 0.1 higher
    ModelScreenCounter counter(&tile, 0.2, 1, 7, "arial");
    counter.setPosition(0.5, 0.3);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScreenElements();
    // Centred on (0.3, 0.4) of the screen, (384, 288) in pixels; half a side is 0.05 of the
    // height, 36 pixels, across as well as up.
    EXPECT_GT(at(0.3, 0.4).b, 200);
    for (int d : {34, -35}) {
        EXPECT_GT(GLContext::pixel(384 + d, 288).b, 200) << d;
        EXPECT_GT(GLContext::pixel(384, 288 + d).b, 200) << d;
    }
    for (int d : {38, -39}) {
        EXPECT_EQ(GLContext::pixel(384 + d, 288).b, 0) << d;
        EXPECT_EQ(GLContext::pixel(384, 288 + d).b, 0) << d;
    }
    EXPECT_NEAR((tile.getPosition() - Vector(0, 0.1, 0)).length(), 0, 1e-12) << "back at its own place";
}
