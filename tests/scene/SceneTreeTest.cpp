#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "scene/CalculateAlways.h"
#include "scene/CalculateLater.h"
#include "scene/Camera.h"
#include "scene/GameError.h"
#include "scene/SceneGraph.h"
#include "tests/support/Expect.h"
#include "tests/support/TestObjects.h"

TEST(SceneTreeTest, AnObjectBelongsToOneSceneAtATime)
{
    TestScene first, second;
    TestObject child;
    first.addChild(&child);
    first.addChild(&child);  // again to its own parent: harmless
    EXPECT_EQ(first.getChildren().size(), 1u);
    EXPECT_GAME_ERROR(second.addChild(&child), "A scene object can not be added to two different scenes");
    EXPECT_EQ(child.getParent(), &first);
    EXPECT_TRUE(second.getChildren().empty());

    second.removeChild(&child);  // not its child, still detaches it
    EXPECT_EQ(child.getParent(), nullptr);
    EXPECT_FALSE(child.hasRoot());
    EXPECT_TRUE(first.getChildren().empty()) << "the old parent would reach the child after its end";
}

namespace {
// Notes when its scene updates it.
struct Recorder : TestObject {
    explicit Recorder(std::vector<SceneObject*>* log) : log(log) {}
    void calculate(TimeStep step) override
    {
        log->push_back(this);
        TestObject::calculate(step);
    }
    std::vector<SceneObject*>* log;
};
}  // namespace

TEST(SceneTreeTest, ChildrenAreUpdatedInTheOrderTheyWereAdded)
{
    std::vector<SceneObject*> log;
    Recorder kids[3]{Recorder(&log), Recorder(&log), Recorder(&log)};  // ascending addresses
    TestScene scene;
    for (int i : {2, 0, 1}) scene.addChild(&kids[i]);
    scene.calculate({0, 0.1});
    EXPECT_EQ(log, (std::vector<SceneObject*>{&kids[2], &kids[0], &kids[1]}));
    scene.removeChild(&kids[0]);
    scene.addChild(&kids[0]);
    log.clear();
    scene.calculate({0, 0.1});
    EXPECT_EQ(log, (std::vector<SceneObject*>{&kids[2], &kids[1], &kids[0]})) << "added again: last";
}

TEST(SceneTreeTest, RootFollowsAttachAndDetachThroughTheSubtree)
{
    SceneGraph* graph = SceneGraph::getInstance();
    auto* frame = new TestScene;
    auto* leaf = new TestObject;
    frame->addChild(leaf);
    graph->addChild(frame);
    EXPECT_EQ(leaf->getRoot(), graph);
    EXPECT_TRUE(leaf->isContainedIn(graph));
    graph->removeChild(frame);
    EXPECT_EQ(leaf->getRoot(), nullptr);
    EXPECT_EQ(leaf->getParent(), frame);
    delete frame;
    delete leaf;
}

TEST(SceneTreeTest, DeletingASceneOrphansItsChildren)
{
    auto* scene = new TestScene;
    TestObject child;
    scene->addChild(&child);
    delete scene;
    EXPECT_EQ(child.getParent(), nullptr);
    EXPECT_FALSE(child.hasRoot());
}

namespace {
// Deletes another object from its destructor if it still lives, as owners of helper objects do.
// It keeps the helper as a SceneObject*: converting a TestObject* that has been deleted to its
// virtual base would read the freed object.
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

TEST(SceneTreeTest, DestroyedSubtreeIsDeletedAtTheEndOfTheFrame)
{
    DeletionCounter counter;
    SceneGraph* graph = SceneGraph::getInstance();
    auto* world = new TestScene(&counter);
    auto* owned = new TestObject(&counter);
    auto* owner = new OwnerObject(&counter, owned);
    auto* survivor = new TestObject(&counter);
    world->addChild(owner);
    world->addChild(owned);
    graph->addChild(world);
    graph->addChild(survivor);

    SceneObject* const worldNode = world;  // a deleted world cannot be converted any more
    world->destroy();
    EXPECT_TRUE(owned->isDestroyed());
    EXPECT_EQ(counter.deleted, 0);
    graph->calculate({1.0, 0.1});
    EXPECT_EQ(counter.deleted, 3);  // world, owner and owned, each once
    EXPECT_TRUE(graph->hasChild(survivor));
    EXPECT_FALSE(graph->hasChild(worldNode));
    delete survivor;
}

TEST(SceneTreeTest, AbsoluteCachesLastUntilTheNextCalculate)
{
    TestScene frame;
    TestObject leaf;
    frame.addChild(&leaf);
    frame.setPosition(1, 2, 3);
    leaf.setPosition(1, 0, 0);
    EXPECT_DOUBLE_EQ(leaf.getAbsolutePosition().x(), 2);
    frame.setPosition(10, 0, 0);
    EXPECT_DOUBLE_EQ(leaf.getAbsolutePosition().x(), 2) << "cached for the frame";
    leaf.calculate({0, 0});
    EXPECT_DOUBLE_EQ(leaf.getAbsolutePosition().x(), 11);
    EXPECT_DOUBLE_EQ(leaf.getAbsoluteInverseMatrix().apply({11, 0, 0}).x(), 0);
}

TEST(SceneTreeTest, MatrixRelativeToAForeignSceneThrows)
{
    TestScene frame, stranger;
    TestObject leaf;
    frame.addChild(&leaf);
    EXPECT_THROW(leaf.getMatrixRelativeTo(&stranger), GameError);
    EXPECT_THROW(leaf.getInverseMatrixRelativeTo(&stranger), GameError);
    EXPECT_NO_THROW(leaf.getMatrixRelativeTo(&frame));
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
    EXPECT_FALSE(culledAt(0, 0, -5));
    EXPECT_FALSE(culledAt(0, 0, 0)) << "at the eye: no angle, never culled";
    EXPECT_FALSE(culledAt(0, 4.99, -5)) << "just inside the boundary";
    EXPECT_TRUE(culledAt(0, 5.01, -5));
    EXPECT_TRUE(culledAt(0, 0, 5)) << "behind";
    object.setCullable(false);
    EXPECT_FALSE(culledAt(0, 0, 5));

    SceneObject::setViewConeAngle(-5);
    EXPECT_EQ(SceneObject::getViewConeAngle(), 0);
    SceneObject::setViewConeAngle(200);
    EXPECT_EQ(SceneObject::getViewConeAngle(), 180);
    Camera::setActive(nullptr);
}

namespace {
struct Counting : CalculateAlways {
    explicit Counting(bool enabled) : CalculateAlways(enabled) {}
    void calculateAlways(TimeStep) override { ++runs; }
    int runs = 0;
};

std::map<int, int> runsById;
std::set<int> aliveIds;

// Deletes its partner during the pass and creates a new member.
struct Spawner : CalculateLater {
    explicit Spawner(int id) : id(id) { aliveIds.insert(id); }
    ~Spawner() override { aliveIds.erase(id); }
    void calculateLater(TimeStep) override
    {
        ++runsById[id];
        delete partner;
        partner = nullptr;
        spawned = new Spawner(id + 10);
    }
    int id;
    Spawner* partner = nullptr;
    Spawner* spawned = nullptr;
};
}  // namespace

TEST(SceneTreeTest, DeferredPassesSurviveMembersComingAndGoing)
{
    Counting off(false), on(true);
    CalculateAlways::calculateAll({0, 0.1});
    EXPECT_EQ(off.runs, 0);
    EXPECT_EQ(on.runs, 1);
    off.setEnabled(true);
    CalculateAlways::calculateAll({0, 0.1});
    EXPECT_EQ(off.runs, 1);

    auto* a = new Spawner(1);
    auto* b = new Spawner(2);
    a->partner = b;
    b->partner = a;
    CalculateLater::calculateAll({0, 0.1});
    ASSERT_EQ(aliveIds.size(), 2u) << "one of the pair and its newborn";
    const int survivor = *aliveIds.begin();
    EXPECT_EQ(runsById[survivor], 1);
    EXPECT_EQ(runsById[3 - survivor], 0) << "deleted before its turn: skipped";
    EXPECT_EQ(runsById[survivor + 10], 0) << "born during the pass: waits";
    Spawner* left = survivor == 1 ? a : b;
    delete left->spawned;
    delete left;
}
