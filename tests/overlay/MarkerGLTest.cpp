// Markers in the 3D world, drawn by the scene graph: the asteroid's life bar and selection
// brackets (faded with the asteroid, nothing while inactive), and screen objects, drawn over
// the whole scene except where a screen mask lies in front, and picked by their shape.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/AsteroidLifeBeam.h"
#include "overlay/AsteroidSelection.h"
#include "overlay/ScreenSceneObject.h"
#include "scene/Camera.h"
#include "scene/DynamicScene.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"
#include "tests/support/Shapes.h"

namespace {
// The camera 5 units from the origin with a 45 degree view: a unit there is this many pixels
// of the 480-pixel-high picture.
const double pixelsPerUnit = 240 / (5 * std::tan(22.5 * 3.14159265358979 / 180));

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

struct MarkerGLTest : ::testing::Test {
    void SetUp() override
    {
        GLContext::resize(640, 480);
        graph = SceneGraph::getInstance();
        auto* camera = new Camera;
        camera->setPosition(0, 0, 5);
        graph->addChild(camera);
        graph->setCamera(camera);
    }
    void TearDown() override
    {
        for (SceneObject* child : graph->getChildren()) child->destroy();
        graph->calculate({0, 0});
    }
    void drawFrame()
    {
        graph->calculate({1, 0.1});
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        graph->draw();
    }
    // The colour at the point (x, y) of the plane through the origin that faces the camera.
    static GLContext::Rgb at(double x, double y)
    {
        return GLContext::pixel(static_cast<int>(320 + x * pixelsPerUnit), static_cast<int>(240 + y * pixelsPerUnit));
    }
    SceneGraph* graph = nullptr;
};
}  // namespace

TEST_F(MarkerGLTest, TheLifeBarStandsAboveTheAsteroidFilledFromTheLeft)
{
    auto* asteroid = new DynamicScene;
    asteroid->rotate(30, 0, 0, 1);  // markers face the viewer whatever the rock's turn
    graph->addChild(asteroid);
    auto* beam = new AsteroidLifeBeam(1.0);
    asteroid->addChild(beam);
    beam->setLife(1, false);
    drawFrame();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0) << "inactive";

    beam->setLife(0.5, true);
    drawFrame();
    EXPECT_NEAR(at(-0.5, 1.14).g, 128, 3) << "the marker colour's half opacity";
    EXPECT_EQ(at(0.5, 1.14).g, 0) << "the empty half";
    EXPECT_EQ(at(-0.5, 1.0).g + at(-0.5, 1.3).g, 0) << "below and above the bar";
    beam->setAlpha(0.5);  // the asteroid fades out
    drawFrame();
    EXPECT_NEAR(at(-0.5, 1.14).g, 64, 3);
}

TEST_F(MarkerGLTest, TheSelectionMarksTheFourCornersOnly)
{
    auto* selection = new AsteroidSelection(1.0);
    graph->addChild(selection);
    selection->setActive(true);
    drawFrame();
    const auto greenNear = [](double x, double y) {
        for (double dx : {-1.0, 0.0, 1.0})
            for (double dy : {-1.0, 0.0, 1.0})
                if (at(x + dx / pixelsPerUnit, y + dy / pixelsPerUnit).g > 100) return true;
        return false;
    };
    for (double x : {-0.9, 0.9})
        for (double y : {-1.0, 1.0}) EXPECT_TRUE(greenNear(x, y) && greenNear(y, x)) << x << ", " << y;
    EXPECT_FALSE(greenNear(0.0, 1.0)) << "the middle of an edge stays free";
}

TEST_F(MarkerGLTest, ScreenObjectsShowOverTheSceneButNotThroughMasks)
{
    {
        Marker loose;  // never added to the scene: never drawn
        drawFrame();
        EXPECT_EQ(at(0, 0).r, 0);
    }

    auto* marker = new Marker;
    marker->setPosition(0, 0, -2);  // behind the wall
    graph->addChild(marker);
    auto* wall = new SelectableSquare(0, 0, 1, 1.0);
    graph->addChild(wall);
    drawFrame();
    EXPECT_EQ(at(0, 0).r, 255) << "over a scene object in front";
    ScreenSceneObject::addScreenMask(wall);
    drawFrame();
    EXPECT_EQ(at(0, 0).r, 0) << "hidden by the mask in front";
    EXPECT_EQ(at(0, 0).b, 255) << "the mask itself is drawn by the scene only";
    marker->setPosition(0, 0, 1);  // now in front of the mask
    drawFrame();
    EXPECT_EQ(at(0, 0).r, 255);
    ScreenSceneObject::removeScreenMask(wall);

    // Window rows count from the top; 0.3 units right of the marker (4 units from the eye)
    // lies outside its drawn square but inside its pick shape, in front of the wall.
    EXPECT_EQ(Selectable::pick(320 + static_cast<int>(0.3 * pixelsPerUnit * 5 / 4), 239), marker);
    EXPECT_EQ(Selectable::pick(630, 10), nullptr);
}
