#include "scene/DynamicSceneObject.h"

#include <gtest/gtest.h>

#include "tests/support/Expect.h"
#include "tests/support/TestObjects.h"

TEST(DynamicSceneObjectTest, EveryTransformOrderAndItsInverse)
{
    const Matrix T = Matrix::translation(1, 2, 3), R = Matrix::rotation(40, 1, 1, 0), S = Matrix::scaling(2, 3, 4);
    const Matrix expected[6] = {T * R * S, T * S * R, R * T * S, R * S * T, S * T * R, S * R * T};
    for (int order = 0; order < 6; ++order) {
        TestObject object;
        object.setPosition(1, 2, 3);
        object.setRotation(40, 1, 1, 0);
        object.setScale(2, 3, 4);
        object.setTransformOrder(order);
        SCOPED_TRACE(order);
        EXPECT_TRUE(near(object.getLocalMatrix(), expected[order]));
        EXPECT_TRUE(near(object.getLocalMatrix() * object.getLocalInverseMatrix(), Matrix::identity()));
    }
}

TEST(DynamicSceneObjectTest, UnknownOrderKeepsThePreviousArrangement)
{
    TestObject object;
    object.setPosition(1, 0, 0);
    object.setScale(2);
    object.setTransformOrder(3);  // R * S * T
    object.setTransformOrder(7);
    EXPECT_EQ(object.getTransformOrder(), 7);
    EXPECT_TRUE(near(object.getLocalMatrix(), Matrix::scaling(2, 2, 2) * Matrix::translation(1, 0, 0)));
}

TEST(DynamicSceneObjectTest, UniformScaleAndItsInverse)
{
    TestObject object;
    object.setScale(2);
    EXPECT_TRUE(near(object.getLocalMatrix(), Matrix::scaling(2, 2, 2)));
    EXPECT_TRUE(near(object.getLocalInverseMatrix(), Matrix::scaling(0.5, 0.5, 0.5)));
}

TEST(DynamicSceneObjectTest, MotionIntegratesOverTheDelta)
{
    TestObject object;
    object.setVelocity(1, 0, 0);
    object.calculate({0.5, 0.5});
    object.calculate({1.0, 0.5});
    EXPECT_DOUBLE_EQ(object.getPosition().x(), 1.0);

    object.setGrowth(0.5);
    object.calculate({2.0, 1.0});
    EXPECT_DOUBLE_EQ(object.getScale().y(), 1.5);

    object.setVelocity(0, 0, 0);
    object.calculate({3.0, 1.0});
    EXPECT_DOUBLE_EQ(object.getPosition().x(), 2.0) << "stopped";
    EXPECT_DOUBLE_EQ(object.getVelocity().x(), 1.0) << "the last velocity stays stored";
}

TEST(DynamicSceneObjectTest, AValueSetDuringTheFrameWinsOverThatFramesMotion)
{
    TestObject object;
    object.setVelocity(1, 0, 0);
    object.setPosition(5, 0, 0);
    object.calculate({0, 1});
    EXPECT_DOUBLE_EQ(object.getPosition().x(), 5) << "set this frame";
    object.calculate({1, 1});
    EXPECT_DOUBLE_EQ(object.getPosition().x(), 6) << "moves again next frame";

    // A flag is only consumed by a frame in which that motion runs.
    TestObject resting;
    resting.setPosition(1, 0, 0);
    resting.calculate({0, 1});
    resting.setVelocity(1, 0, 0);
    resting.calculate({1, 1});
    EXPECT_DOUBLE_EQ(resting.getPosition().x(), 1) << "the first moving frame consumes the old flag";
    resting.calculate({2, 1});
    EXPECT_DOUBLE_EQ(resting.getPosition().x(), 2);
}

TEST(DynamicSceneObjectTest, SpinAboutTheParentsAxesAndOwnAxes)
{
    TestObject object;
    object.setSpin(90, 0, 1, 0);
    object.calculate({1, 1});
    const Vector x = object.getLocalMatrix().xAxis();
    EXPECT_NEAR(x.x(), 0, 1e-12);
    EXPECT_NEAR(x.z(), -1, 1e-12) << "+X turns to the parent's -Z";

    // Mode 0 composes about the object's own (already turned) axes.
    TestObject own;
    own.setRotationMode(0);
    own.setRotation(90, 0, 0, 1);  // own +X now points along parent +Y
    own.rotate(90, 1, 0, 0);       // about own X, i.e. parent Y
    const Vector z = own.getLocalMatrix().zAxis();
    EXPECT_NEAR(z.x(), 1, 1e-12);
    EXPECT_TRUE(near(own.getLocalMatrix() * own.getLocalInverseMatrix(), Matrix::identity()));
}

TEST(DynamicSceneObjectTest, RotationMatrixKeepsTheInverseInStep)
{
    TestObject object;
    object.setRotationMatrix(Matrix::translation(4, 0, 0) * Matrix::rotation(30, 0, 0, 1) * Matrix::scaling(3, 3, 3));
    EXPECT_TRUE(near(object.getRotation(), Matrix::rotation(30, 0, 0, 1)));
    EXPECT_TRUE(near(object.getLocalMatrix() * object.getLocalInverseMatrix(), Matrix::identity()));
}

TEST(DynamicSceneObjectTest, DynamicSceneCarriesItsChildren)
{
    TestScene frame;
    TestObject child;
    frame.addChild(&child);
    child.setPosition(0, 0, -1);
    frame.setSpin(90, 0, 1, 0);
    frame.setVelocity(0, 1, 0);
    frame.calculate({1, 1});
    const Vector p = child.getAbsolutePosition();
    EXPECT_NEAR(p.x(), -1, 1e-12);
    EXPECT_NEAR(p.y(), 1, 1e-12);
    EXPECT_NEAR(p.z(), 0, 1e-12);
}
