// Markers in the 3D world, drawn by the scene graph over everything but screen masks.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/AsteroidLifeBeam.h"
#include "overlay/ScreenSceneObject.h"
#include "scene/DynamicScene.h"
#include "tests/support/SceneGLTest.h"
#include "tests/support/Shapes.h"

namespace {
// Pixels per unit at the origin, 5 units before a 45 degree camera, 480 pixels high.
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

struct MarkerGLTest : SceneGLTest {
    MarkerGLTest() : SceneGLTest(640, 480, 5.0) {}
    void drawFrame()
    {
        graph->calculate({1, 0.1});  // markers show from the frame after a hit
        drawScene();
    }
    // The colour at the point (x, y) of the plane through the origin that faces the camera.
    static GLContext::Rgb at(double x, double y)
    {
        return GLContext::pixel(static_cast<int>(320 + x * pixelsPerUnit), static_cast<int>(240 + y * pixelsPerUnit));
    }
};
}  // namespace

TEST_F(MarkerGLTest, TheLifeBarStandsAboveTheAsteroidFilledFromTheLeft)
{
    auto* asteroid = add(new DynamicScene, {});
    asteroid->rotate(30, 0, 0, 1);  // markers face the viewer whatever the rock's turn
    auto* beam = new AsteroidLifeBeam(1.0);
    asteroid->addChild(beam);
    beam->setLife(0.5, true);
    drawFrame();
    EXPECT_NEAR(at(-0.5, 1.14).g, 128, 3) << "the marker colour's half opacity";
    EXPECT_EQ(at(0.5, 1.14).g, 0) << "the empty half";
    EXPECT_EQ(at(-0.5, 1.0).g + at(-0.5, 1.3).g, 0) << "below and above the bar";
    beam->setAlpha(0.5);  // the asteroid fades out
    drawFrame();
    EXPECT_NEAR(at(-0.5, 1.14).g, 64, 3);
}

TEST_F(MarkerGLTest, ScreenObjectsShowOverTheSceneButNotThroughMasks)
{
    auto* marker = add(new Marker, {0, 0, -2});  // behind the wall
    auto* wall = add(new SelectableSquare(0, 0, 1, 1.0), {});
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

    // 0.3 units right of the marker lies outside its square but inside its pick shape.
    EXPECT_EQ(Selectable::pick(320 + static_cast<int>(0.3 * pixelsPerUnit * 5 / 4), 239), marker);
}
