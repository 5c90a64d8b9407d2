// The asteroid markers drawn by the scene graph: the life bar above the asteroid in the
// marker colour, filled from the left; the selection brackets at the corners; nothing while
// inactive; and the asteroid's fading applied.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/AsteroidLifeBeam.h"
#include "overlay/AsteroidSelection.h"
#include "scene/Camera.h"
#include "scene/DynamicScene.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"

namespace {
constexpr int width = 640, height = 480;

struct AsteroidMarkerGLTest : ::testing::Test {
    void SetUp() override
    {
        GLContext::resize(width, height);
        graph = SceneGraph::getInstance();
        camera = new Camera;
        camera->setPosition(0, 0, 5);
        graph->addChild(camera);
        graph->setCamera(camera);
        asteroid = new DynamicScene;
        asteroid->rotate(30, 0, 0, 1);  // markers face the viewer whatever the rock's turn
        graph->addChild(asteroid);
        beam = new AsteroidLifeBeam(1.0);
        selection = new AsteroidSelection(1.0);
        asteroid->addChild(beam);
        asteroid->addChild(selection);
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
    // Where a point of the asteroid's billboard plane lands, in pixels.
    static GLContext::Rgb at(double x, double y)
    {
        const double scale = 1.0 / (5 * std::tan(22.5 * 3.14159265358979 / 180));
        const double aspect = static_cast<double>(width) / height;
        return GLContext::pixel(static_cast<int>((x * scale / aspect + 1) / 2 * width),
                                static_cast<int>((y * scale + 1) / 2 * height));
    }
    SceneGraph* graph = nullptr;
    Camera* camera = nullptr;
    DynamicScene* asteroid = nullptr;
    AsteroidLifeBeam* beam = nullptr;
    AsteroidSelection* selection = nullptr;
};
}  // namespace

TEST_F(AsteroidMarkerGLTest, TheLifeBarStandsAboveTheAsteroidFilledFromTheLeft)
{
    beam->setLife(0.5, true);
    drawFrame();
    const GLContext::Rgb left = at(-0.5, 1.14), right = at(0.5, 1.14);
    EXPECT_EQ(left.r, 0);
    EXPECT_NEAR(left.g, 128, 3) << "the marker colour's half opacity";
    EXPECT_EQ(right.g, 0) << "the empty half";
    EXPECT_EQ(at(-0.5, 1.0).g, 0) << "below the bar";
    EXPECT_EQ(at(-0.5, 1.3).g, 0) << "above the bar";

    beam->setAlpha(0.5);  // the asteroid fades out
    drawFrame();
    EXPECT_NEAR(at(-0.5, 1.14).g, 64, 3);
    beam->setAlpha(0);
    drawFrame();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0);
}

TEST_F(AsteroidMarkerGLTest, InactiveMarkersDrawNothing)
{
    beam->setLife(1, false);
    drawFrame();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0);
    beam->setTransparent(false);  // not even in the solid pass
    drawFrame();
    EXPECT_EQ(GLContext::countPixelsNot(0, 0, 0), 0);
}

TEST_F(AsteroidMarkerGLTest, TheSelectionMarksTheFourCornersOnly)
{
    selection->setActive(true);
    drawFrame();
    const auto greenNear = [](double x, double y) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const double pixel = 1.0 / 240 * (5 * std::tan(22.5 * 3.14159265358979 / 180));
                if (at(x + dx * pixel, y + dy * pixel).g > 100) return true;
            }
        return false;
    };
    for (double x : {-0.9, 0.9})
        for (double y : {-1.0, 1.0}) EXPECT_TRUE(greenNear(x, y)) << x << ", " << y;
    EXPECT_TRUE(greenNear(1.0, -0.9));
    EXPECT_FALSE(greenNear(0.0, 1.0)) << "the middle of an edge stays free";
    EXPECT_FALSE(greenNear(0.0, 0.0));
}
