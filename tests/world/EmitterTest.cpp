// Emitters without GL: continuous emission laid along the path at exact times, emission on
// demand, and the pair's turns; and the clouds that drawing passes over.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "scene/Camera.h"
#include "tests/support/Expect.h"
#include "tests/support/TestObjects.h"
#include "world/Cloud.h"
#include "world/SceneObjectEmitterPair.h"

namespace {
struct RecordingFactory : DynamicSceneObjectFactory {
    DynamicSceneObject* create() override
    {
        made.push_back(new TestObject);
        return made.back();
    }
    std::vector<TestObject*> made;
};

// An emitter's or a cloud's frame: the tree update, then the deferred one.
template <class Object>
void frame(Object& object, TimeStep step)
{
    object.calculate(step);
    object.calculateLater(step);
}

struct EmitterTest : ::testing::Test {
    void TearDown() override
    {
        // The scene does not own its children.
        for (SceneObject* child : scene.getChildren()) child->destroy();
        for (SceneObject* child : scene.getChildren().snapshot()) delete child;
    }
    TestScene scene;
    RecordingFactory factory;
};
}  // namespace

TEST_F(EmitterTest, ContinuousEmissionIsLaidEvenlyAlongThePathAtExactTimes)
{
    auto* emitter = new SceneObjectEmitter(&scene, &factory);
    scene.addChild(emitter);
    emitter->setVelocity(1, 0, 0);
    emitter->setEmissionVelocity(0, 0, -1);  // each object leaves along +z at 1 per second
    emitter->setEmissionInterval(0.05);

    for (int i = 0; i < 3; ++i) frame(*emitter, {0.88, 0.0});  // one place: nothing to lay along yet
    EXPECT_TRUE(factory.made.empty());
    frame(*emitter, {1.00, 0.12});
    ASSERT_EQ(factory.made.size(), 3u) << "0.88, 0.93 and 0.98";
    factory.made.clear();

    frame(*emitter, {1.12, 0.12});
    ASSERT_EQ(factory.made.size(), 2u) << "1.03 and 1.08, one interval after 0.98";
    // Each was placed where the emitter was at its release time and has moved on since: the
    // emitter's own motion brings it level with the emitter, the emission 0.09 and 0.04 out.
    EXPECT_TRUE(near(factory.made[0]->getPosition(), {1.12 - 0.88, 0, 0.09}));
    EXPECT_TRUE(near(factory.made[1]->getPosition(), {1.12 - 0.88, 0, 0.04}));
    EXPECT_TRUE(near(factory.made[0]->getVelocity(), {1, 0, 1}));

    // A frame twice as long releases twice as many: the spacing does not depend on frame rate.
    factory.made.clear();
    frame(*emitter, {1.36, 0.24});
    EXPECT_EQ(factory.made.size(), 5u) << "1.13 to 1.33";

    // A very long frame at a tiny interval asks for millions; it gets a bounded number.
    factory.made.clear();
    emitter->setEmissionInterval(1e-7);
    frame(*emitter, {2.36, 1.0});
    EXPECT_EQ(factory.made.size(), static_cast<std::size_t>(SceneObjectEmitter::maxEmissionsPerFrame));
}

TEST_F(EmitterTest, EmittingOnDemandCarriesOnlyOneFramesDisplacement)
{
    auto* emitter = new SceneObjectEmitter(&scene, &factory);
    scene.addChild(emitter);
    emitter->setRotation(90, 0, 1, 0);  // the emitter's +z is the scene's +x
    emitter->setEmissionVelocity(0, 0, -15);
    emitter->emitOne();
    frame(*emitter, {0.0, 0.0});
    emitter->emitOne();
    EXPECT_TRUE(factory.made.empty()) << "one known place is not enough";

    emitter->setVelocity(0, 4, 0);
    frame(*emitter, {0.1, 0.1});
    emitter->emitOne();
    ASSERT_EQ(factory.made.size(), 1u);
    EXPECT_TRUE(near(factory.made[0]->getVelocity(), {15, 0.4, 0}));
    EXPECT_TRUE(near(factory.made[0]->getPosition(), emitter->getPosition()));
    // Aligned with the emitter.
    EXPECT_TRUE(near(factory.made[0]->getRotation().zAxis(), {1, 0, 0}));

    emitter->setAlignRotation(false);
    emitter->emitOne();
    EXPECT_TRUE(near(factory.made[1]->getRotation().zAxis(), {0, 0, 1}));
}

TEST_F(EmitterTest, APairTakesTurnsAndPassesItsSettingsOn)
{
    auto* pair = new SceneObjectEmitterPair;
    auto* first = new SceneObjectEmitter(nullptr, &factory);
    auto* second = new SceneObjectEmitter(nullptr, &factory);
    first->setPosition(1, 0, 0);
    second->setPosition(-1, 0, 0);
    scene.addChild(pair);
    pair->setEmitters(first, second);
    auto* holder = new TestScene;  // the emitters hang in a scene of their own under the pair's
    scene.addChild(holder);
    holder->addChild(first);
    holder->addChild(second);
    pair->setTargetScene(&scene);  // passed on: without it nothing would be emitted
    pair->setEmissionVelocity(Vector(0, 0, -2));
    EXPECT_TRUE(near(second->getEmissionVelocity(), {0, 0, -2}));
    for (TimeStep step : {TimeStep{0.0, 0.0}, TimeStep{0.1, 0.1}}) {
        frame(*first, step);
        frame(*second, step);
    }
    pair->emit(3);
    ASSERT_EQ(factory.made.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(factory.made[i]->getPosition().x(), i == 1 ? -1.0 : 1.0) << i;
}

namespace {
struct TestCloud : Cloud {
    void setAlpha(double alpha) override { alpha_ = alpha; }
    double getAlpha() override { return alpha_; }
    void drawTransparentGeometry() override {}
    double alpha_ = 1.0;
};
}  // namespace

TEST(CloudTest, AFaintCloudOrOneOutsideTheViewIsNotDrawn)
{
    // Without a window the view is square: its sides lie at 22.5 degrees from the view direction.
    Camera camera;
    Camera::setActive(&camera);
    const double sideAtDepth10 = 10.0 * std::tan(Camera::fieldOfView / 2.0 * std::numbers::pi / 180.0);
    const struct {
        double alpha, x, scale;
        bool culled;
    } cases[] = {{1.0, 0.0, 1.0, false},
                 {0.6 / 255.0, 0.0, 1.0, false},  // rounds to one step of an 8-bit channel
                 {0.4 / 255.0, 0.0, 1.0, true},   // rounds to nothing
                 {0.0, 0.0, 1.0, true},
                 {1.0, sideAtDepth10 + 0.9, 1.0, false},  // its edge pokes into view
                 {1.0, sideAtDepth10 + 1.5, 1.0, true},
                 {1.0, sideAtDepth10 + 1.5, 2.0, false},
                 {1.0, -sideAtDepth10 - 1.5, 1.0, true}};
    for (const auto& c : cases) {
        TestCloud cloud;
        cloud.setAlpha(c.alpha);
        cloud.setPosition(c.x, 0, -10);
        cloud.setScale(c.scale);
        cloud.setLifetime(10.0);
        frame(cloud, {0, 0});
        EXPECT_EQ(cloud.isCulled(), c.culled) << "alpha " << c.alpha << ", x " << c.x << ", scale " << c.scale;
    }
    Camera::setActive(nullptr);
}
