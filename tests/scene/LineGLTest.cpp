// Lines and flexible objects on screen: a band that faces the viewer, degenerate lines that
// show nothing, and a flexible object drawing its children in place under its material.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "scene/Camera.h"
#include "scene/FlexibleSceneObject.h"
#include "scene/Line.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"
#include "tests/support/SceneGLTest.h"
#include "tests/support/Shapes.h"

namespace {
constexpr int width = 200, height = 150;

struct LineGLTest : SceneGLTest {
    LineGLTest() : SceneGLTest(width, height) {}
    int drawFrame(const std::string& shot = "")
    {
        drawScene(shot);
        return GLContext::countPixelsNot(0, 0, 0);
    }
    static Line* redLine(Vector start, Vector end)
    {
        auto* line = new Line;
        line->setPoints(start, end);
        line->setWidth(0.2);
        line->setColor(Color(1, 0, 0, 1));
        return line;
    }
    Line* addLine(Vector start, Vector end)
    {
        Line* line = redLine(start, end);
        graph->addChild(line);
        return line;
    }
};
}  // namespace

TEST_F(LineGLTest, ALineIsABandFacingTheViewer)
{
    Line* beam = addLine({-1, 0, 0}, {1, 0, 0});
    const int straight = drawFrame("line-beam");
    EXPECT_GT(straight, 300);
    const GLContext::Rgb centre = GLContext::pixel(width / 2, height / 2);
    EXPECT_EQ(centre.r, 255);
    EXPECT_EQ(centre.g, 0);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << "lighting is back on";

    // Seen from above, the same line still shows its full width, whatever the winding.
    camera->setPosition(0, 3, 0);
    camera->setRotation(-90, 1, 0, 0);
    EXPECT_NEAR(drawFrame("line-from-above"), straight, straight / 10);

    // The line's points are in its own coordinates.
    camera->setPosition(0, 0, 3);
    camera->setRotation(0, 1, 0, 0);
    beam->destroy();
    auto* frame = new FlexibleSceneObject;
    frame->setPosition(0, 1, 0);
    graph->addChild(frame);
    frame->addChild(redLine({-1, 0, 0}, {1, 0, 0}));
    EXPECT_NEAR(drawFrame(), straight, straight / 10);
    EXPECT_EQ(GLContext::pixel(width / 2, height / 2).r, 0) << "raised with its frame";
}

TEST_F(LineGLTest, DegenerateLinesShowNothing)
{
    Line* point = addLine({0.5, 0.5, 0}, {0.5, 0.5, 0});
    EXPECT_EQ(drawFrame(), 0) << "start and end coincide";
    point->destroy();
    addLine({0, 0, 0}, {0, 0, -2});  // along the line of sight through the camera
    EXPECT_EQ(drawFrame(), 0);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(LineGLTest, AFlexibleObjectDrawsItsChildrenInPlaceUnderItsMaterial)
{
    auto* ship = new FlexibleSceneObject;
    ship->setPosition(1, 0, 0);
    ship->setFrontEmission(0, 0, 1);
    graph->addChild(ship);
    // A lit grey square: black without lights, blue with the ship's emission.
    struct LitSquare : DynamicSceneObject {
        void draw() override
        {
            DynamicSceneObject::draw();
            glDisable(GL_COLOR_MATERIAL);
            drawSquare(0.3);
            glEnable(GL_COLOR_MATERIAL);
        }
    };
    auto* hull = new LitSquare;
    ship->addChild(hull);
    const float noAmbient[4] = {0, 0, 0, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, noAmbient);
    drawFrame("line-flexible");
    const GLContext::Rgb right = GLContext::pixel(width / 2 + 45, height / 2);
    EXPECT_EQ(right.b, 255);
    EXPECT_EQ(right.r, 0);
    EXPECT_EQ(GLContext::pixel(width / 2, height / 2).b, 0) << "the hull sits where its ship is";
    float emission[4] = {};
    glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
    EXPECT_EQ(emission[2], 0.0f) << "the material is restored after the ship";
    const float glDefault[4] = {0.2f, 0.2f, 0.2f, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, glDefault);
}
