// Collisions: the sphere test and its contact point, and the response numbers: velocity
// exchange, damage, objects moving apart, unmovable and stopped objects, coincident centres.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/Expect.h"
#include "tests/support/TestObjects.h"
#include "world/PhysicalSceneObject.h"

namespace {
struct Body {
    double mass, hardness;
    Vector position, velocity;
    bool stopped = false;  // set to a zero velocity after moving with `velocity`
    bool movable = true;
    double impactDamage = 0.0;
};

class Ball : public PhysicalSceneObject {
public:
    struct Told {
        PhysicalSceneObject* other;
        Vector point;
        double damage;
    };
    explicit Ball(const Body& body)
    {
        setMass(body.mass);
        setHardness(body.hardness);
        setPosition(body.position);
        setVelocity(body.velocity);
        if (body.stopped) setVelocity(0, 0, 0);
        setMovable(body.movable);
        setImpactDamage(body.impactDamage);
        calculate({0, 0});
    }
    void onCollision(PhysicalSceneObject* other, Vector point, double damage) override
    {
        told.push_back({other, point, damage});
    }
    void draw() override {}

    std::vector<Told> told;
};

// The velocity an object really moves with: a stopped one keeps its last velocity stored.
Vector motion(const Ball& ball) { return ball.isMoving() ? ball.getVelocity() : Vector(); }

struct Response {
    const char* what;
    Body a, b;
    Vector motionA, motionB;
    double toA, toB;
};
}  // namespace

TEST(PhysicsTest, SpheresCollideWhenTheyTouchAtTheMiddleOfTheOverlap)
{
    struct Case {
        double x;
        bool hit;
        double pointX;
    };
    for (const Case& c : {Case{2.0, true, 1.0}, Case{1.5, true, 0.75}, Case{2.001, false, 0.0}, Case{0, true, 0}}) {
        Ball a({1, 1, {}, {}}), b({1, 1, {c.x, 0, 0}, {}});
        const Collision collision = a.testCollision(&b);
        EXPECT_EQ(collision.hit, c.hit) << c.x;
        EXPECT_EQ(collision.self, c.hit ? &a : nullptr) << c.x;
        EXPECT_EQ(collision.other, c.hit ? &b : nullptr) << c.x;
        EXPECT_TRUE(near(collision.point, {c.pointX, 0, 0}, 1e-12)) << c.x;
        EXPECT_TRUE(near(b.testCollision(&a).point, {c.pointX, 0, 0}, 1e-12)) << "seen from the other side";
        b.setCollidable(false);
        EXPECT_FALSE(a.testCollision(&b).hit || b.testCollision(&a).hit) << "out of collision";
    }

    // A parent's scale counts: a radius factor of 0.5 in a frame scaled by 3 makes 1.5.
    TestScene frame;
    frame.setScale(3);
    Ball scaled({1, 1, {}, {}}), other({1, 1, {2.001, 0, 0}, {}});
    scaled.setRadiusFactor(0.5);
    frame.addChild(&scaled);
    EXPECT_DOUBLE_EQ(scaled.getCollisionRadius(), 1.5);
    EXPECT_TRUE(scaled.testCollision(&other).hit);
    frame.removeChild(&scaled);
}

TEST(PhysicsTest, TheResponseExchangesVelocitiesAndDealsDamage)
{
    // Damage to each: the partner's impact damage plus its own mass times its speed squared
    // times the partner's hardness, over its own hardness; hardness 0 takes -1.
    const Response responses[] = {
        {"equal masses swap", {2, 1, {2, 0, 0}, {}}, {2, 1, {}, {1, 0, 0}}, {1, 0, 0}, {}, 0, 2},
        {"unequal masses", {3, 1, {}, {1, 1, 0}}, {1, 1, {1, 0, 0}, {-1, 0, 0}}, {0, 0.5, 0}, {2, 1.5, 0}, 6, 1},
        {"stopped ship", {2, 2.5, {1, 0, 0}, {-3}}, {1.5, 10, {}, {0, 0, -4}, true}, {-1.5 / 3.5}, {-12 / 3.5}, 72, 0},
        {"shot", {2, 2.5, {0.5}, {}}, {0.001, 0, {}, {15}, false, true, 3}, {0.03 / 2.001}, {-29.985 / 2.001}, 1.2, -1},
        {"moving apart", {1, 1, {}, {-1, 0, 0}}, {1, 1, {1, 0, 0}, {1, 0, 0}}, {-1, 0, 0}, {1, 0, 0}, 0, 0},
        {"at one point", {1, 1, {}, {1, 0, 0}}, {1, 1, {}, {-1, 0, 0}}, {-1, 0, 0}, {1, 0, 0}, 1, 1},
        {"unmovable",
         {5, 1, {1, 0, 0}, {0, 0, 1}, false, false},
         {1, 1, {}, {2}},
         {0, 0, 1},
         {-8.0 / 6, 0, 10.0 / 6},
         5,
         4},
        {"without mass", {0, 1, {}, {1, 0, 0}}, {0, 1, {0.5, 0, 0}, {-1, 0, 0}}, {1, 0, 0}, {-1, 0, 0}, 0, 0},
        {"two stopped rocks", {2, 1, {}, {5, 0, 0}, true}, {2, 1, {1.5, 0, 0}, {}}, {}, {}, 0, 0},
    };
    for (const Response& r : responses) {
        Ball a(r.a), b(r.b);
        const PhysicalSceneObject::Damages damages = PhysicalSceneObject::respond(&a, &b);
        EXPECT_TRUE(near(motion(a), r.motionA, 1e-12)) << r.what;
        EXPECT_TRUE(near(motion(b), r.motionB, 1e-12)) << r.what;
        EXPECT_DOUBLE_EQ(damages.toA, r.toA) << r.what;
        EXPECT_DOUBLE_EQ(damages.toB, r.toB) << r.what;
    }
}

TEST(PhysicsTest, APairThatTouchesIsToldSecondFirstAtOnePoint)
{
    Ball ship({1.5, 10, {}, {}}), rock({2, 2.5, {1, 0, 0}, {-3, 0, 0}});
    PhysicalSceneObject::collidePair(&ship, &rock);
    ASSERT_EQ(rock.told.size(), 1u);
    ASSERT_EQ(ship.told.size(), 1u);
    EXPECT_EQ(rock.told[0].other, &ship);
    EXPECT_EQ(ship.told[0].other, &rock);
    EXPECT_DOUBLE_EQ(rock.told[0].damage, 2 * 9 * 10 / 2.5) << "the second of the pair is the first";
    EXPECT_TRUE(near(ship.told[0].point, rock.told[0].point));
    EXPECT_TRUE(near(motion(ship), {2 * 2.0 * -3 / 3.5, 0, 0}));

    Ball apart({1, 1, {3, 0, 0}, {-1, 0, 0}});
    PhysicalSceneObject::collidePair(&ship, &apart);
    EXPECT_EQ(apart.told.size(), 0u) << "spheres that do not touch are not told";
}
