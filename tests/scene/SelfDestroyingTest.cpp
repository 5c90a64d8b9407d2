// Lifetimes: the countdown in the deferred pass, objects that live on, and flexible objects
// that move, carry children and take their subtree with them.
#include <gtest/gtest.h>

#include "scene/FlexibleSceneObject.h"
#include "scene/Line.h"
#include "scene/SceneGraph.h"
#include "scene/SelfDestroyingSceneObject.h"
#include "tests/support/TestObjects.h"

namespace {
class Spark : public SelfDestroyingSceneObject {
public:
    explicit Spark(DeletionCounter* counter) : counter_(counter) {}
    ~Spark() override { ++counter_->deleted; }
    void draw() override {}

private:
    DeletionCounter* counter_;
};

class Rocket : public FlexibleSceneObject {
public:
    explicit Rocket(DeletionCounter* counter) : counter_(counter) {}
    ~Rocket() override { ++counter_->deleted; }

private:
    DeletionCounter* counter_;
};
}  // namespace

TEST(SelfDestroyingTest, TheLifetimeRunsOutInTheDeferredPass)
{
    SceneGraph* graph = SceneGraph::getInstance();
    DeletionCounter deleted;
    auto* spark = new Spark(&deleted);
    SceneObject* asChild = spark;  // a deleted object can no longer be converted to its base
    graph->addChild(spark);
    spark->setLifetime(1.0);
    graph->calculate({0, 0.4});
    graph->calculate({0, 0.4});
    EXPECT_NEAR(spark->getLifetime(), 0.2, 1e-12);
    EXPECT_EQ(deleted.deleted, 0);
    graph->calculate({0, 0.4});
    EXPECT_EQ(deleted.deleted, 1) << "destroyed and deleted in the same frame";
    EXPECT_FALSE(graph->hasChild(asChild));

    auto* restarted = new Spark(&deleted);
    restarted->setLifetime(0.5);
    graph->calculate({0, 0.4});
    restarted->setLifetime(0.5);  // a new lifetime starts the count again
    graph->calculate({0, 0.4});
    EXPECT_EQ(deleted.deleted, 1);
    graph->calculate({0, 0.4});
    EXPECT_EQ(deleted.deleted, 2);
}

TEST(SelfDestroyingTest, WithoutALifetimeTheObjectLivesOn)
{
    DeletionCounter deleted;
    auto* spark = new Spark(&deleted);
    spark->setLifetime(-3);
    EXPECT_EQ(spark->getLifetime(), 0.0);
    for (int frame = 0; frame < 5; ++frame) SceneGraph::getInstance()->calculate({0, 0.5});
    EXPECT_EQ(deleted.deleted, 0);
    EXPECT_DOUBLE_EQ(spark->getLifetime(), -2.5) << "it only keeps falling";
    delete spark;
}

TEST(SelfDestroyingTest, FlexibleObjectsMoveCarryChildrenAndGoWithThem)
{
    SceneGraph* graph = SceneGraph::getInstance();
    DeletionCounter deleted;
    auto* rocket = new Rocket(&deleted);
    auto* flame = new TestObject(&deleted);
    rocket->addChild(flame);
    graph->addChild(rocket);
    rocket->setVelocity(2, 0, 0);
    flame->setVelocity(0, 1, 0);
    graph->calculate({0, 0});
    graph->calculate({0, 0.5});
    EXPECT_DOUBLE_EQ(rocket->getPosition().x(), 1.0);
    EXPECT_DOUBLE_EQ(flame->getPosition().y(), 0.5) << "children are updated";
    EXPECT_DOUBLE_EQ(flame->getAbsolutePosition().x(), 1.0) << "and move with it";
    EXPECT_EQ(flame->getRoot(), graph);

    rocket->setLifetime(0.7);
    graph->calculate({0, 0.5});
    EXPECT_EQ(deleted.deleted, 0);
    graph->calculate({0, 0.5});
    EXPECT_EQ(deleted.deleted, 2) << "the rocket and its flame";
}

TEST(SelfDestroyingTest, ALineKeepsItsDirectionWhenItsLengthChanges)
{
    Line line;
    line.setPoints({0, 0, 0}, {0, 0, -2});
    line.setLength(5);
    EXPECT_DOUBLE_EQ(line.getEnd().z(), -5.0);
    line.setRay({1, 0, 0}, {0, 3, 4}, 10);
    EXPECT_DOUBLE_EQ(line.getEnd().y(), 6.0);
    EXPECT_DOUBLE_EQ(line.getEnd().z(), 8.0);
    line.setPoints({1, 1, 1}, {1, 1, 1});
    line.setLength(4);
    EXPECT_TRUE(line.getEnd().isFinite()) << "no direction: the end stays at the start";
    EXPECT_DOUBLE_EQ(line.getEnd().x(), 1.0);
}
