// The counters' model as the overlay draws it at 1280 x 720: where only pixels show it, and the
// lit model inside the unlit overlay leaving colour and material together. The gauges'
// geometry is ScreenBeamTest's, the counters' layout CounterTimerTest's.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

#include "overlay/ColorScreenBeam.h"
#include "overlay/ModelScreenCounter.h"
#include "scene/Model.h"
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
        SceneGraph::getInstance();  // the GL state every frame starts from: colour material on
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override { GLContext::resize(640, 480); }
};
}  // namespace

TEST_F(HudGLTest, TheCountersObjectKeepsItsProportionsAndItsOwnPlace)
{
    Tile tile;
    tile.setScale(0.05);
    tile.setPosition(0, 0.1, 0);  // its own offset: 0.1 higher
    ModelScreenCounter counter(&tile, 0.2, 1, 7, "arial");
    counter.setPosition(0.5, 0.3);
    drawScreenElements();
    // Centred on (0.3, 0.4) of the screen, (384, 288) in pixels; half a side is 0.05 of the
    // height, 36 pixels, across as well as up.
    for (int d : {0, 34, -35}) {
        EXPECT_GT(GLContext::pixel(384 + d, 288).b, 200) << d;
        EXPECT_GT(GLContext::pixel(384, 288 + d).b, 200) << d;
    }
    for (int d : {38, -39}) {
        EXPECT_EQ(GLContext::pixel(384 + d, 288).b, 0) << d;
        EXPECT_EQ(GLContext::pixel(384, 288 + d).b, 0) << d;
    }
    EXPECT_NEAR((tile.getPosition() - Vector(0, 0.1, 0)).length(), 0, 1e-12) << "back at its own place";
}

TEST_F(HudGLTest, TheCurrentColourAndTheMaterialItFeedsStayTogether)
{
    std::unique_ptr<Model> rocket(Model::getModel("Rocket"));
    rocket->setScale(0.05);
    ModelScreenCounter counter(rocket.get(), 0.04, 1, 7);
    ColorScreenBeam beam(0.1, 0.1, 0.5, 0.05, true, true, Color(0, 0, 1, 0.3), Color(0, 0, 1, 0.9), 1.0);
    counter.setLayer(1);  // drawn after the beam has left its colour in the material
    drawScreenElements();
    // Afterwards the scene's next models must still get their own colour as material.
    GLfloat current[4], ambient[4], diffuse[4];
    glGetFloatv(GL_CURRENT_COLOR, current);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(ambient[i], current[i]) << i;
        EXPECT_FLOAT_EQ(diffuse[i], current[i]) << i;
    }
}
