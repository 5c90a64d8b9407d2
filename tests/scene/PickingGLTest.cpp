// Picking by colour: the nearer of two overlapping objects wins, empty space and positions
// outside the viewport give null, and window rows count from the top.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "scene/Camera.h"
#include "scene/SceneGraph.h"
#include "scene/Selectable.h"
#include "tests/support/GLContext.h"
#include "tests/support/SceneGLTest.h"
#include "tests/support/Shapes.h"

namespace {
constexpr int width = 200, height = 150;

struct PickingGLTest : SceneGLTest {
    PickingGLTest() : SceneGLTest(width, height) {}
    SelectableSquare* square(double z, double halfSize)
    {
        auto* s = new SelectableSquare(0.5, 0.5, 0.5, halfSize);
        s->setPosition(0, 0, z);
        graph->addChild(s);
        return s;
    }
};
}  // namespace

TEST_F(PickingGLTest, TheNearerOfTwoOverlappingObjectsIsPicked)
{
    SelectableSquare* nearSmall = square(0, 0.3);
    SelectableSquare* farLarge = square(-1, 1.5);
    graph->calculate({0, 0});
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), nearSmall);
    EXPECT_EQ(Selectable::pick(width / 2 + 40, height / 2), farLarge) << "only the far one covers this";
    EXPECT_EQ(Selectable::pick(2, 2), nullptr) << "empty space";

    // The same two, the other way round in depth: the drawing order must not matter.
    nearSmall->setPosition(0, 0, -1);
    farLarge->setPosition(0, 0, 0);
    nearSmall->setScale(5);  // now covers the centre from behind the large one
    graph->calculate({0, 0});
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), farLarge);
}

TEST_F(PickingGLTest, WindowRowsCountFromTheTopAndOutsideIsNothing)
{
    SelectableSquare* high = square(0, 0.2);
    high->setPosition(0, 0.8, 0);  // in the upper half of the picture
    graph->calculate({0, 0});
    const int upperRow = height / 2 - 40, lowerRow = height / 2 + 40;
    EXPECT_EQ(Selectable::pick(width / 2, upperRow), high);
    EXPECT_EQ(Selectable::pick(width / 2, lowerRow), nullptr);

    glClearColor(0.2f, 0.4f, 0.6f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    for (auto [x, y] : {std::pair{-1, 5}, {5, -1}, {width, 5}, {5, height}})
        EXPECT_EQ(Selectable::pick(x, y), nullptr) << x << "," << y;
    const GLContext::Rgb untouched = GLContext::pixel(width / 2, height / 2);
    EXPECT_NEAR(untouched.g, 102, 1) << "a position outside the viewport draws nothing";
    glClearColor(0, 0, 0, 0);
}

TEST_F(PickingGLTest, OnlyRegisteredObjectsCanBePicked)
{
    SelectableSquare* s = square(0, 0.5);
    graph->calculate({0, 0});
    s->disableSelection();
    EXPECT_FALSE(s->isSelectable());
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), nullptr);
    s->enableSelection();
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), s);

    // Detached objects are still drawn for selection: registration alone counts.
    graph->removeChild(s);
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), s);
    delete s;
    EXPECT_EQ(Selectable::pick(width / 2, height / 2), nullptr);
}

TEST_F(PickingGLTest, AfterPickingLightingIsOnAndNothingIsScissored)
{
    square(0, 0.5);
    graph->calculate({0, 0});
    Selectable::pick(width / 2, height / 2);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST)) << "the next frame is drawn in full";
}
