// Collisions: the sphere test and its contact point, and the response numbers: velocity
// exchange, damage, objects moving apart, unmovable objects, and coincident centres.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/support/TestObjects.h"
#include "world/PhysicalSceneObject.h"

namespace {
class Ball : public PhysicalSceneObject {
public:
    struct Told {
        PhysicalSceneObject* other;
        Vector point;
        double damage;
    };
    Ball(double mass, double hardness, Vector position, Vector velocity = {})
    {
        setMass(mass);
        setHardness(hardness);
        setPosition(position);
        setVelocity(velocity);
    }
    void onCollision(PhysicalSceneObject* other, Vector point, double damage) override
    {
        told.push_back({other, point, damage});
        order.push_back(this);
    }
    void draw() override {}

    std::vector<Told> told;
    static inline std::vector<Ball*> order;
};

void expectVector(const Vector& got, const Vector& want)
{
    EXPECT_NEAR(got.x(), want.x(), 1e-12);
    EXPECT_NEAR(got.y(), want.y(), 1e-12);
    EXPECT_NEAR(got.z(), want.z(), 1e-12);
}

// Whether the object still moves: one second of its own motion (after an empty frame, since a
// position set in a frame is not moved in that frame).
bool moves(Ball& ball)
{
    ball.calculate({0, 0});
    const Vector before = ball.getPosition();
    ball.calculate({0, 1});
    return !(ball.getPosition() - before).isZero();
}
}  // namespace

TEST(PhysicsTest, SpheresThatTouchCollideInTheMiddleOfTheOverlap)
{
    Ball a(1, 1, {0, 0, 0}), b(1, 1, {2, 0, 0});
    Collision touching = a.testCollision(&b);
    EXPECT_TRUE(touching.hit);
    EXPECT_EQ(touching.self, &a);
    EXPECT_EQ(touching.other, &b);
    expectVector(touching.point, {1, 0, 0});

    // Overlapping from 0.5 to 1: the contact is in the middle, inside both spheres.
    b.setPosition(1.5, 0, 0);
    b.calculate({0, 0});
    expectVector(a.testCollision(&b).point, {0.75, 0, 0});
    expectVector(b.testCollision(&a).point, {0.75, 0, 0});  // the same seen from the other side

    b.setPosition(2.001, 0, 0);
    b.calculate({0, 0});
    const Collision apart = a.testCollision(&b);
    EXPECT_FALSE(apart.hit);
    EXPECT_EQ(apart.self, nullptr);
    expectVector(apart.point, {0, 0, 0});

    // A parent's scale counts: a radius factor of 0.5 in a frame scaled by 3 makes 1.5.
    TestScene frame;
    frame.setScale(3);
    Ball scaled(1, 1, {0, 0, 0});
    scaled.setRadiusFactor(0.5);
    frame.addChild(&scaled);
    EXPECT_DOUBLE_EQ(scaled.getCollisionRadius(), 1.5);
    EXPECT_TRUE(scaled.testCollision(&b).hit) << "2.001 apart, radii 1.5 and 1";
    frame.removeChild(&scaled);
}

TEST(PhysicsTest, ObjectsOutOfCollisionAndObjectsAtOnePoint)
{
    Ball a(1, 1, {0, 0, 0}), b(1, 1, {0.5, 0, 0});
    b.setCollidable(false);
    EXPECT_FALSE(a.testCollision(&b).hit);
    EXPECT_FALSE(b.testCollision(&a).hit);
    b.setCollidable(true);

    b.setPosition(0, 0, 0);
    b.calculate({0, 0});
    const Collision same = a.testCollision(&b);
    EXPECT_TRUE(same.hit);
    EXPECT_TRUE(same.point.isFinite());
    expectVector(same.point, {0, 0, 0});
}

TEST(PhysicsTest, EqualMassesSwapTheirVelocities)
{
    Ball resting(2, 1, {2, 0, 0}), moving(2, 1, {0, 0, 0}, {1, 0, 0});
    PhysicalSceneObject::collidePair(&resting, &moving);
    EXPECT_FALSE(moves(moving)) << "the moving one comes to rest";
    expectVector(resting.getVelocity(), {1, 0, 0});
    EXPECT_TRUE(moves(resting));

    // Unequal masses, both moving: the one-dimensional formula on the whole vectors.
    Ball heavy(3, 1, {0, 0, 0}, {1, 1, 0}), light(1, 1, {1, 0, 0}, {-1, 0, 0});
    PhysicalSceneObject::respond(&heavy, &light);
    expectVector(heavy.getVelocity(), {(2.0 * 1 + 2.0 * -1) / 4, 2.0 / 4, 0});
    expectVector(light.getVelocity(), {(-2.0 * -1 + 6.0 * 1) / 4, 6.0 / 4, 0});
}

TEST(PhysicsTest, DamageGrowsWithOwnMassAndSpeedAndThePartnersHardness)
{
    Ball::order.clear();
    Ball ship(1.5, 10, {0, 0, 0}), asteroid(2, 2.5, {1, 0, 0}, {-3, 0, 0});
    PhysicalSceneObject::collidePair(&ship, &asteroid);
    ASSERT_EQ(Ball::order.size(), 2u);
    EXPECT_EQ(Ball::order[0], &asteroid) << "the second of the pair is told first";
    ASSERT_EQ(asteroid.told.size(), 1u);
    EXPECT_EQ(asteroid.told[0].other, &ship);
    EXPECT_DOUBLE_EQ(asteroid.told[0].damage, 2 * 9 * 10 / 2.5);
    EXPECT_DOUBLE_EQ(ship.told[0].damage, 0.0) << "a resting ship hit by a rock without impact damage";
    expectVector(ship.told[0].point, asteroid.told[0].point);

    // Hardness 0 takes -1; what it deals is its impact damage over the partner's hardness.
    Ball projectile(0.001, 0, {0, 0, 0}, {15, 0, 0}), rock(2, 2.5, {0.5, 0, 0});
    projectile.setImpactDamage(3);
    PhysicalSceneObject::collidePair(&projectile, &rock);
    EXPECT_EQ(projectile.told[0].damage, -1.0);
    EXPECT_DOUBLE_EQ(rock.told[0].damage, 3 / 2.5);
}

TEST(PhysicsTest, ObjectsMovingApartExchangeNothing)
{
    Ball left(1, 1, {0, 0, 0}, {-1, 0, 0}), right(1, 1, {1, 0, 0}, {1, 0, 0});
    PhysicalSceneObject::collidePair(&left, &right);
    ASSERT_EQ(left.told.size(), 1u) << "still told, with no damage";
    EXPECT_EQ(left.told[0].damage, 0.0);
    EXPECT_EQ(right.told[0].damage, 0.0);
    expectVector(left.getVelocity(), {-1, 0, 0});
    expectVector(right.getVelocity(), {1, 0, 0});

    // At one point there is no direction between them: that is not moving apart.
    Ball a(1, 1, {0, 0, 0}, {1, 0, 0}), b(1, 1, {0, 0, 0}, {-1, 0, 0});
    const PhysicalSceneObject::Damages damages = PhysicalSceneObject::respond(&a, &b);
    EXPECT_DOUBLE_EQ(damages.toA, 1.0);
    expectVector(a.getVelocity(), {-1, 0, 0});
}

TEST(PhysicsTest, AnUnmovableObjectKeepsItsVelocity)
{
    Ball wall(5, 1, {1, 0, 0}, {0, 0, 1}), ball(1, 1, {0, 0, 0}, {2, 0, 0});
    wall.setMovable(false);
    PhysicalSceneObject::collidePair(&wall, &ball);
    expectVector(wall.getVelocity(), {0, 0, 1});
    expectVector(ball.getVelocity(), {(-4.0 * 2) / 6, 0, 10.0 / 6});

    // Without mass between them there is no exchange, and no NaN.
    Ball ghostA(0, 1, {0, 0, 0}, {1, 0, 0}), ghostB(0, 1, {0.5, 0, 0}, {-1, 0, 0});
    PhysicalSceneObject::collidePair(&ghostA, &ghostB);
    EXPECT_TRUE(ghostA.getVelocity().isFinite());
    expectVector(ghostB.getVelocity(), {-1, 0, 0});
}

TEST(PhysicsTest, AStoppedObjectCountsAsAtRestWhateverVelocityItKeeps)
{
    // The ship's frame is stopped with a zero velocity while the player stands still; its last
    // flight velocity stays stored but must not hurt it.
    Ball::order.clear();
    Ball ship(1.5, 10, {0, 0, 0}, {0, 0, -4}), rock(2, 2.5, {1, 0, 0}, {-3, 0, 0});
    ship.setVelocity(0, 0, 0);
    PhysicalSceneObject::collidePair(&ship, &rock);
    ASSERT_EQ(ship.told.size(), 1u);
    EXPECT_DOUBLE_EQ(ship.told[0].damage, 0.0);
    EXPECT_DOUBLE_EQ(rock.told[0].damage, 2 * 9 * 10 / 2.5);
    expectVector(ship.getVelocity(), {2 * 2.0 * -3 / 3.5, 0, 0});  // pushed only by the rock
    expectVector(rock.getVelocity(), {(2 - 1.5) * -3 / 3.5, 0, 0});

    // A rock stopped by an earlier collision hits like a rock at rest.
    Ball stopped(2, 1, {0, 0, 0}, {5, 0, 0}), other(2, 1, {1.5, 0, 0});
    stopped.setVelocity(0, 0, 0);
    other.setVelocity(0, 0, 0);
    const PhysicalSceneObject::Damages damages = PhysicalSceneObject::respond(&stopped, &other);
    EXPECT_EQ(damages.toA, 0.0);
    EXPECT_EQ(damages.toB, 0.0);
    EXPECT_FALSE(moves(stopped)) << "two resting rocks stay at rest";
    EXPECT_FALSE(moves(other));
}
