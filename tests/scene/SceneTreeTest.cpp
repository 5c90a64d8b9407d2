// The scene tree: parents, joining order, deferred deletion, cached matrices, the view cone.
#include <gtest/gtest.h>

#include <vector>

#include "scene/CalculateAlways.h"
#include "scene/Camera.h"
#include "scene/Registry.h"
#include "scene/SceneGraph.h"
#include "tests/support/Expect.h"
#include "tests/support/TestObjects.h"

namespace {
// Deletes its helper from its destructor if it still lives (kept as a SceneObject*: a deleted
// TestObject* cannot be converted to its virtual base).
class OwnerObject : public TestObject {
public:
    OwnerObject(DeletionCounter* counter, TestObject* owned) : TestObject(counter), owned_(owned) {}
    ~OwnerObject() override
    {
        if (SceneObject::liveObjects().contains(owned_)) delete owned_;
    }

private:
    SceneObject* owned_;
};
}  // namespace

TEST(SceneTreeTest, AnObjectHasOneParentAndItsRootFollowsThroughTheSubtree)
{
    TestScene first, second;
    TestObject child;
    first.addChild(&child);
    first.addChild(&child);  // again to its own parent: harmless
    EXPECT_EQ(first.getChildren().size(), 1u);
    EXPECT_GAME_ERROR(second.addChild(&child), "A scene object can not be added to two different scenes");
    second.removeChild(&child);  // not its child, still detaches it
    EXPECT_EQ(child.getParent(), nullptr);
    EXPECT_TRUE(first.getChildren().empty()) << "the old parent would reach the child after its end";

    SceneGraph* graph = SceneGraph::getInstance();
    auto* frame = new TestScene;
    frame->addChild(&child);
    graph->addChild(frame);
    EXPECT_TRUE(child.isContainedIn(graph));
    graph->removeChild(frame);
    EXPECT_FALSE(child.hasRoot());
    delete frame;
    EXPECT_EQ(child.getParent(), nullptr) << "a deleted scene orphans its children";
}

TEST(RegistryTest, MembersComeInJoiningOrderARejoinerGoesLastAndAWalkSeesOnlyWhoStays)
{
    // The array puts the addresses in the opposite order to the joining.
    int at[4] = {};
    Registry<int> registry;
    for (int* member : {&at[3], &at[1], &at[2], &at[0]}) registry.insert(member);
    registry.insert(&at[1]);  // already there: stays where it is
    EXPECT_EQ(registry.snapshot(), (std::vector<int*>{&at[3], &at[1], &at[2], &at[0]}));
    registry.erase(&at[3]);
    registry.insert(&at[3]);
    EXPECT_EQ(registry.snapshot(), (std::vector<int*>{&at[1], &at[2], &at[0], &at[3]}));

    // A walk skips who left and leaves newcomers to the next walk.
    int newcomer = 0;
    std::vector<int*> seen;
    registry.forEach([&](int* member) {
        seen.push_back(member);
        if (member != &at[1]) return;
        registry.erase(&at[2]);
        registry.erase(&at[0]);
        registry.insert(&at[0]);  // the same address, a new member
        registry.insert(&newcomer);
    });
    EXPECT_EQ(seen, (std::vector<int*>{&at[1], &at[3]})) << "at[3] stayed";
    EXPECT_EQ(registry.snapshot(), (std::vector<int*>{&at[1], &at[3], &at[0], &newcomer}));

    // The deferred passes walk theirs so; an update that is not enabled is skipped.
    struct Counting : CalculateAlways {
        explicit Counting(bool enabled) : CalculateAlways(enabled) {}
        void calculateAlways(TimeStep) override { ++runs; }
        int runs = 0;
    } off(false), on(true);
    CalculateAlways::calculateAll({0, 0.1});
    EXPECT_EQ(off.runs, 0);
    EXPECT_EQ(on.runs, 1);
}

TEST(SceneTreeTest, DestroyedSubtreeIsDeletedAtTheEndOfTheFrame)
{
    DeletionCounter counter;
    SceneGraph* graph = SceneGraph::getInstance();
    auto* world = new TestScene(&counter);
    auto* owned = new TestObject(&counter);
    auto* owner = new OwnerObject(&counter, owned);
    world->addChild(owner);
    world->addChild(owned);
    graph->addChild(world);

    SceneObject* const worldNode = world;  // a deleted world cannot be converted any more
    world->destroy();
    EXPECT_TRUE(owned->isDestroyed());
    EXPECT_EQ(counter.deleted, 0);
    graph->calculate({1.0, 0.1});
    EXPECT_EQ(counter.deleted, 3);  // world, owner and owned, each once
    EXPECT_FALSE(graph->hasChild(worldNode));
}

TEST(SceneTreeTest, AbsoluteMatricesAreCachedUntilTheNextCalculateAndRelativeOnlyWithinTheTree)
{
    TestScene frame, stranger;
    TestObject leaf;
    frame.addChild(&leaf);
    frame.setPosition(1, 2, 3);
    leaf.setPosition(1, 0, 0);
    EXPECT_TRUE(near(leaf.getAbsolutePosition(), {2, 2, 3}));
    frame.setPosition(10, 0, 0);
    EXPECT_TRUE(near(leaf.getAbsolutePosition(), {2, 2, 3})) << "cached for the frame";
    leaf.calculate({0, 0});
    EXPECT_TRUE(near(leaf.getAbsoluteInverseMatrix().apply({11, 0, 0}), {}));

    EXPECT_THROW(leaf.getMatrixRelativeTo(&stranger), GameError);
    EXPECT_TRUE(near(leaf.getMatrixRelativeTo(&frame), Matrix::translation(1, 0, 0)));
}

TEST(SceneTreeTest, ViewConeCullsOnlyOutsideTheCone)
{
    Camera camera;  // at the origin, looking down -z
    Camera::setActive(&camera);
    SceneObject::setViewConeAngle(45);
    TestObject object;
    object.setCullable(true);
    auto culledAt = [&](double x, double y, double z) {
        object.setPosition(x, y, z);
        object.calculate({0, 0});
        return object.isCulled();
    };
    EXPECT_FALSE(culledAt(0, 0, 0)) << "at the eye: no angle, never culled";
    EXPECT_FALSE(culledAt(0, 4.99, -5)) << "just inside the boundary";
    EXPECT_TRUE(culledAt(0, 5.01, -5));
    object.setCullable(false);
    EXPECT_FALSE(culledAt(0, 0, 5));
    SceneObject::setViewConeAngle(200);
    EXPECT_EQ(SceneObject::getViewConeAngle(), 180);
    Camera::setActive(nullptr);
}
