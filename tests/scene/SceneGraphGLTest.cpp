// The scene graph's draw under a real GL context, and picking by colour.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "scene/FlexibleSceneObject.h"
#include "scene/Line.h"
#include "scene/Selectable.h"
#include "tests/support/Expect.h"
#include "tests/support/SceneGLTest.h"
#include "tests/support/Shapes.h"
#include "tests/support/TestObjects.h"

namespace {
// The centre pixel's red, green and blue.
Vector centre()
{
    const GLContext::Rgb rgb = GLContext::pixel(SceneGLTest::width / 2, SceneGLTest::height / 2);
    return {double(rgb.r), double(rgb.g), double(rgb.b)};
}

struct SceneGraphGLTest : SceneGLTest {
    int drawnPixels()
    {
        drawScene();
        return GLContext::countNonBlack();
    }
    Line* redLine(Vector start, Vector end)
    {
        auto* line = new Line;
        graph->addChild(line);
        line->setPoints(start, end);
        line->setWidth(0.2);
        line->setColor(Color(1, 0, 0, 1));
        return line;
    }
};
using PickingGLTest = SceneGraphGLTest;
}  // namespace

TEST_F(SceneGraphGLTest, TransparentObjectsBlendFarToNearOverTheSolidScene)
{
    add(new ColouredSquare(0, 0, 1), {0, 0, -3});
    auto* nearRed = add(new GlassBillboard(1, 0, 0, 0.5), {0, 0, 0});
    add(new GlassBillboard(0, 1, 0, 0.5), {0, 0, -1});
    drawScene();
    EXPECT_TRUE(near(centre(), {128, 64, 64}, 3)) << "green was drawn first, then red over it";

    nearRed->setTransparent(false);  // now an ordinary solid object, drawn first
    drawScene();
    EXPECT_TRUE(near(centre(), {255, 0, 0}, 3)) << "the solid pass does not blend, the glass behind fails";
}

TEST_F(SceneGraphGLTest, CulledScenesAreSkippedWithTheirSubtree)
{
    SceneObject::setViewConeAngle(45);
    auto* frame = add(new TestScene, {0, 0, -10});  // inside the cone around the view axis
    auto* square = new ColouredSquare(0, 1, 0);
    frame->addChild(square);
    frame->setCullable(true);
    EXPECT_GT(drawnPixels(), 0);

    frame->setPosition(0, 0, 10);    // behind the camera: the whole frame is skipped
    square->setPosition(0, 0, -20);  // though its child would lie in view
    EXPECT_EQ(drawnPixels(), 0);
    SceneObject::setViewConeAngle(180);
}

TEST_F(SceneGraphGLTest, BillboardsFaceTheViewerWithTheirSize)
{
    auto* board = add(new GlassBillboard(1, 1, 1, 1), {0, 0, -1});
    drawScene();
    const GLContext::Box plain = GLContext::litBox(0, 30);
    const int plainWidth = plain.right - plain.left + 1;
    ASSERT_EQ(plain.count, plainWidth * (plain.top - plain.bottom + 1)) << "a filled upright square";

    board->setRotation(70, 0, 1, 0);   // an ordinary square would be seen nearly edge-on
    camera->setRotation(45, 0, 0, 1);  // rolling the camera would show a diamond
    drawScene();
    const GLContext::Box turned = GLContext::litBox(0, 30);
    EXPECT_NEAR(turned.right - turned.left + 1, plainWidth, 1);
    EXPECT_NEAR(turned.count, plain.count, plain.count / 50) << "still upright";
    board->setScale(2);
    drawScene();
    EXPECT_NEAR(GLContext::litBox(0, 30).right - GLContext::litBox(0, 30).left + 1, 2 * plainWidth, 2) << "scaled";
}

TEST_F(SceneGraphGLTest, ALineIsABandFacingTheViewerInItsOwnCoordinates)
{
    Line* beam = redLine({-1, 0, 0}, {1, 0, 0});
    const int straight = drawnPixels();
    EXPECT_GT(straight, 300);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << "lighting is back on";

    // Seen from above, the same line still shows its full width, whatever the winding.
    camera->setPosition(0, 3, 0);
    camera->setRotation(-90, 1, 0, 0);
    EXPECT_NEAR(drawnPixels(), straight, straight / 10);

    // Degenerate lines show nothing: a point, and a line along the line of sight.
    camera->setPosition(0, 0, 3);
    camera->setRotation(0, 1, 0, 0);
    beam->destroy();
    Line* point = redLine({0.5, 0.5, 0}, {0.5, 0.5, 0});
    EXPECT_EQ(drawnPixels(), 0);
    point->destroy();
    redLine({0, 0, 0}, {0, 0, -2});
    EXPECT_EQ(drawnPixels(), 0);
}

TEST_F(SceneGraphGLTest, AFlexibleObjectDrawsItsChildrenInPlaceUnderItsMaterial)
{
    auto* ship = add(new FlexibleSceneObject, {1, 0, 0});
    ship->setFrontEmission(0, 0, 1);
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
    ship->addChild(new LitSquare);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, std::array<float, 4>{0, 0, 0, 1}.data());
    drawScene();
    EXPECT_EQ(GLContext::pixel(width / 2 + 45, height / 2).b, 255) << "the ship's blue glow";
    EXPECT_EQ(centre().z(), 0) << "the hull sits where its ship is";
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, std::array<float, 4>{0.2f, 0.2f, 0.2f, 1}.data());
}

TEST_F(PickingGLTest, TheNearestRegisteredObjectUnderThePointIsPickedAndOutsideIsNothing)
{
    auto* nearSmall = add(new SelectableSquare(0.5, 0.5, 0.5, 0.3), {});
    auto* farLarge = add(new SelectableSquare(0.5, 0.5, 0.5, 1.5), {0, 0, -1});
    graph->calculate({0, 0});
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), nearSmall);
    EXPECT_EQ(Selectable::pick(width / 2 + 40, height / 2), farLarge) << "only the far one covers this";
    EXPECT_EQ(Selectable::pick(2, 2), nullptr) << "empty space";
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST)) << "the next frame is drawn in full";

    farLarge->disableSelection();
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), nearSmall);
    farLarge->enableSelection();
    delete farLarge;
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), nearSmall);

    // Window rows count from the top.
    auto* high = add(new SelectableSquare(0.5, 0.5, 0.5, 0.2), {0, 0.8, 0});
    graph->calculate({0, 0});
    EXPECT_EQ(Selectable::pick(width / 2, height / 2 - 40), high);
    EXPECT_EQ(Selectable::pick(width / 2, height / 2 + 40), nullptr);

    glClearColor(0.2f, 0.4f, 0.6f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    for (auto [x, y] : {std::pair{-1, 5}, {5, -1}, {width, 5}, {5, height}})
        EXPECT_EQ(Selectable::pick(x, y), nullptr) << x << "," << y;
    EXPECT_NEAR(centre().y(), 102, 1) << "a position outside the viewport draws nothing";
    glClearColor(0, 0, 0, 0);
}
