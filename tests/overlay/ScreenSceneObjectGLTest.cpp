// The screen object pass: markers in the world drawn over the whole scene, except where a
// screen mask lies in front of them; and picked by their selection shape.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/ScreenSceneObject.h"
#include "scene/Camera.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"
#include "tests/support/Shapes.h"

namespace {
constexpr int width = 200, height = 150;

// A red square marker, picked by a square twice its size.
class Marker : public ScreenSceneObject {
public:
    void drawFlat() override
    {
        glColor4d(1, 0, 0, 1);
        drawSquare(0.2);
    }
    void drawSelectionShape() override { drawSquare(0.4); }
};

struct ScreenSceneObjectGLTest : ::testing::Test {
    void SetUp() override
    {
        GLContext::resize(width, height);
        graph = SceneGraph::getInstance();
        camera = new Camera;
        camera->setPosition(0, 0, 3);
        graph->addChild(camera);
        graph->setCamera(camera);
    }
    void TearDown() override
    {
        for (SceneObject* child : graph->getChildren()) child->destroy();
        graph->calculate({0, 0});
        GLContext::resize(640, 480);
    }
    void drawFrame()
    {
        graph->calculate({0, 0});
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        graph->draw();
    }
    SceneGraph* graph = nullptr;
    Camera* camera = nullptr;
};
}  // namespace

TEST_F(ScreenSceneObjectGLTest, MarkersShowOverTheSceneButNotThroughMasks)
{
    auto* marker = new Marker;
    marker->setPosition(0, 0, -2);  // behind the wall
    graph->addChild(marker);
    auto* wall = new SelectableSquare(0, 0, 1, 1.0);
    graph->addChild(wall);
    drawFrame();
    EXPECT_EQ(GLContext::pixel(width / 2, height / 2).r, 255) << "over a scene object in front";
    EXPECT_EQ(GLContext::pixel(width / 2, height / 2).b, 0);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));

    ScreenSceneObject::addScreenMask(wall);
    drawFrame();
    EXPECT_EQ(GLContext::pixel(width / 2, height / 2).r, 0) << "hidden by the mask in front";
    EXPECT_EQ(GLContext::pixel(width / 2, height / 2).b, 255) << "the mask itself is drawn by the scene only";

    marker->setPosition(0, 0, 1);  // now in front of the mask
    drawFrame();
    EXPECT_EQ(GLContext::pixel(width / 2, height / 2).r, 255);
    ScreenSceneObject::removeScreenMask(wall);
    EXPECT_FALSE(ScreenSceneObject::screenMasks().contains(wall));
}

TEST_F(ScreenSceneObjectGLTest, OnlyMarkersInTheSceneAreDrawnAndTheSolidPassSkipsThem)
{
    Marker loose;  // never added to the graph
    drawFrame();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0);
    EXPECT_TRUE(ScreenSceneObject::screenObjects().contains(&loose));
    EXPECT_TRUE(loose.isCullable());

    auto* marker = new Marker;
    graph->addChild(marker);
    graph->calculate({0, 0});
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    static_cast<SceneObject*>(marker)->draw();  // the solid pass's call
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0);
}

TEST_F(ScreenSceneObjectGLTest, AMarkerIsPickedByItsSelectionShape)
{
    auto* marker = new Marker;
    graph->addChild(marker);
    graph->calculate({0, 0});
    // 0.3 units right of the centre: outside the drawn square, inside the pick shape.
    const int x = width / 2 + static_cast<int>(0.3 / (3 * std::tan(22.5 * 3.14159265358979 / 180)) * height / 2);
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), marker);
    EXPECT_EQ(Selectable::pick(x, height / 2), marker);
    EXPECT_EQ(Selectable::pick(width - 2, 2), nullptr);
}
