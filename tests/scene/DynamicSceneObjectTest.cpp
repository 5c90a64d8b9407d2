// Moving objects: transforms, motion over the frame's step, spins, lifetimes and lines.
#include "scene/DynamicSceneObject.h"

#include <gtest/gtest.h>

#include "scene/FlexibleSceneObject.h"
#include "scene/Line.h"
#include "scene/SceneGraph.h"
#include "tests/support/Expect.h"
#include "tests/support/TestObjects.h"

TEST(DynamicSceneObjectTest, EveryTransformOrderAndItsInverse)
{
    const Matrix T = Matrix::translation(1, 2, 3), R = Matrix::rotation(40, 1, 1, 0), S = Matrix::scaling(2, 3, 4);
    // Orders 0 to 5, then an unknown one, which keeps the arrangement it had.
    const Matrix expected[7] = {T * R * S, T * S * R, R * T * S, R * S * T, S * T * R, S * R * T, S * R * T};
    TestObject object;
    object.setPosition(1, 2, 3);
    object.setRotation(40, 1, 1, 0);
    object.setScale(2, 3, 4);
    for (int order = 0; order < 7; ++order) {
        object.setTransformOrder(order);
        SCOPED_TRACE(order);
        EXPECT_TRUE(near(object.getLocalMatrix(), expected[order]));
        EXPECT_TRUE(near(object.getLocalMatrix() * object.getLocalInverseMatrix(), Matrix::identity()));
    }
}

TEST(DynamicSceneObjectTest, MotionIntegratesOverTheStepButAValueSetThisFrameWins)
{
    TestObject object;
    object.setVelocity(1, 0, 0);
    object.calculate({0.5, 0.5});
    object.calculate({1.0, 0.5});
    EXPECT_DOUBLE_EQ(object.getPosition().x(), 1.0);
    object.setGrowth(0.5);
    object.setPosition(5, 0, 0);
    object.calculate({3.0, 1.0});
    EXPECT_DOUBLE_EQ(object.getPosition().x(), 5) << "set this frame";
    EXPECT_DOUBLE_EQ(object.getScale().y(), 1.5);
    object.calculate({4.0, 1.0});
    EXPECT_DOUBLE_EQ(object.getPosition().x(), 6) << "moves again next frame";
}

TEST(DynamicSceneObjectTest, SpinAboutTheParentsAxesOrOwnAxesAndCarryTheChildren)
{
    TestScene frame;
    TestObject child;
    frame.addChild(&child);
    child.setPosition(0, 0, -1);
    frame.setSpin(90, 0, 1, 0);
    frame.setVelocity(0, 1, 0);
    frame.calculate({1, 1});
    EXPECT_TRUE(near(frame.getLocalMatrix().xAxis(), {0, 0, -1}, 1e-12)) << "+X turns to the parent's -Z";
    EXPECT_TRUE(near(child.getAbsolutePosition(), {-1, 1, 0}, 1e-12));

    // Mode 0 composes about the object's own (already turned) axes.
    TestObject own;
    own.setRotationMode(0);
    own.setRotation(90, 0, 0, 1);  // own +X now points along parent +Y
    own.rotate(90, 1, 0, 0);       // about own X, i.e. parent Y
    EXPECT_NEAR(own.getLocalMatrix().zAxis().x(), 1, 1e-12);
}

TEST(SelfDestroyingTest, AFlexibleObjectCarriesItsChildrenUntilItsLifetimeRunsOut)
{
    SceneGraph* graph = SceneGraph::getInstance();
    DeletionCounter deleted;
    auto* rocket = new Counted<FlexibleSceneObject>(&deleted);
    auto* flame = new TestObject(&deleted);
    rocket->addChild(flame);
    graph->addChild(rocket);
    rocket->setVelocity(2, 0, 0);
    flame->setVelocity(0, 1, 0);
    rocket->setLifetime(1.2);
    graph->calculate({0, 0.5});
    EXPECT_DOUBLE_EQ(flame->getPosition().y(), 0.5) << "children are updated";
    EXPECT_DOUBLE_EQ(flame->getAbsolutePosition().x(), 1.0) << "and move with it";
    graph->calculate({0, 0.5});
    EXPECT_EQ(deleted.deleted, 0);
    graph->calculate({0, 0.5});
    EXPECT_EQ(deleted.deleted, 2) << "the rocket and its flame, in the frame its lifetime ran out";

    auto* lasting = new Counted<FlexibleSceneObject>(&deleted);
    lasting->setLifetime(-3);
    for (int frame = 0; frame < 5; ++frame) graph->calculate({0, 0.5});
    EXPECT_EQ(deleted.deleted, 2) << "without a lifetime it lives on";
    delete lasting;
}

TEST(LineTest, ALineKeepsItsDirectionWhenItsLengthChanges)
{
    Line line;
    line.setPoints({0, 0, 0}, {0, 0, -2});
    line.setLength(5);
    EXPECT_TRUE(near(line.getEnd(), {0, 0, -5}));
    line.setPoints({1, 1, 1}, {1, 1, 1});
    line.setLength(4);
    EXPECT_TRUE(near(line.getEnd(), {1, 1, 1})) << "no direction: the end stays at the start";
}
