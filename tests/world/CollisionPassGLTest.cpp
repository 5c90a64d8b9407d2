// Which pairs the world's collision pass tests, in a running world: rock against rock, shots
// and rockets against rocks, rocket against shot, rocket against ship, and a shot that is
// spent on its first rock.
#include <gtest/gtest.h>

#include "tests/support/Expect.h"
#include "tests/support/TestWorld.h"
#include "world/Projectile.h"
#include "world/Rocket.h"

namespace {
int hurtRocks()
{
    int hurt = 0;
    for (Asteroid* rock : Asteroid::registry()) hurt += rock->getLife() < rock->getMaxLife();
    return hurt;
}
}  // namespace

TEST(CollisionPassGLTest, RocksMeetingHeadOnSwapTheirVelocities)
{
    // Large rocks whose centres are nearer than their radii together but farther than one.
    TestWorld test("Hard");
    test.run(0.1);
    Asteroid* left = test.addAsteroid(2.0, 0, {-1.5, 10, -10}, {1, 0, 0});
    Asteroid* right = test.addAsteroid(2.0, 0, {1.5, 10, -10}, {-1, 0, 0});
    test.frame();
    EXPECT_TRUE(near(left->getVelocity(), Vector(-1, 0, 0), 1e-6));
    EXPECT_TRUE(near(right->getVelocity(), Vector(1, 0, 0), 1e-6));
}

TEST(CollisionPassGLTest, ARocketMeetsShotsAndTheShip)
{
    TestWorld test;
    test.run(0.1);
    test.place(new Projectile, {5, 5, -5});
    test.place(new Rocket(nullptr, test.world()), {5, 5, -5});
    test.run(2.0 / 60);
    EXPECT_TRUE(Projectile::registry().empty()) << "the shot is spent on the rocket";
    EXPECT_TRUE(Rocket::registry().empty()) << "the rocket goes with it";

    const double shield = test.ship()->getShield();
    test.place(new Rocket(nullptr, test.world()), test.ship()->getAbsolutePosition() + Vector(0, 0, -0.3));
    test.run(2.0 / 60);
    EXPECT_TRUE(Rocket::registry().empty()) << "the rocket burst on the ship";
    EXPECT_LT(test.ship()->getShield(), shield);
}

TEST(CollisionPassGLTest, AShotIsSpentOnTheFirstRockItTouches)
{
    // Two small rocks side by side, not touching each other; the shot touches both.
    TestWorld test;
    test.run(0.1);
    test.addAsteroid(0.5, 0, {0, 10, -10});
    test.addAsteroid(0.5, 0, {0, 10.95, -10});
    test.place(new Projectile, {0, 10.475, -10});
    test.frame();
    EXPECT_EQ(hurtRocks(), 1);
}
