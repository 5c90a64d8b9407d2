// Overlay parts only pixels show: the counters' model at 1280 x 720, its material, the crosshair.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "overlay/ColorScreenBeam.h"
#include "overlay/CrosshairCursor.h"
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
    Tile model;
    model.setScale(0.05);
    model.setPosition(0, 0.1, 0);  // its own offset: 0.1 higher
    ModelScreenCounter counter(&model, 0.2, 1, 7, "arial");
    counter.setPosition(0.5, 0.3);
    drawScreenElements();
    // Centred on (0.3, 0.4) of the screen, (384, 288) in pixels; half a side is 0.05 of the
    // height, 36 pixels, across as well as up.
    const auto blue = [](int x, int y) { return GLContext::pixel(384 + x, 288 + y).b; };
    for (int d : {0, 34, -35}) EXPECT_TRUE(blue(d, 0) > 200 && blue(0, d) > 200) << d;
    for (int d : {38, -39}) EXPECT_TRUE(blue(d, 0) == 0 && blue(0, d) == 0) << d;
    EXPECT_NEAR((model.getPosition() - Vector(0, 0.1, 0)).length(), 0, 1e-12) << "back at its own place";
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
    std::array<GLfloat, 4> current{}, ambient{}, diffuse{};
    glGetFloatv(GL_CURRENT_COLOR, current.data());
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, ambient.data());
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse.data());
    EXPECT_TRUE(ambient == current && diffuse == current);
}

TEST(CursorGLTest, TheCrosshairSurroundsThePixelUnderThePointer)
{
    GLContext::resize(1024, 768);
    CrosshairCursor cursor(8, Color(0, 1, 0, 1));
    cursor.show();
    cursor.mouseMoved(Pointer::inViewport(512, 384));
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScreenElements();
    const auto lit = [](int x, int y) { return GLContext::pixel(x, y).g > 128; };
    const int cx = 512, cy = 768 - 1 - 384;  // window rows count from the top
    EXPECT_FALSE(lit(cx, cy)) << "centre pixel free";
    for (int d = 1; d <= 8; ++d) {
        EXPECT_TRUE(lit(cx + d, cy) && lit(cx - d, cy) && lit(cx, cy + d) && lit(cx, cy - d)) << d;
    }
    EXPECT_EQ(GLContext::countNonBlack(), 32) << "four arms of eight pixels, nothing else";

    glViewport(0, 0, 0, 0);  // a minimised window
    glLoadIdentity();
    cursor.draw();
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    EXPECT_TRUE(std::all_of(m, m + 16, [](double v) { return std::isfinite(v); }));
    Cursor::useSystemCursor();
    GLContext::resize(640, 480);
}
