// The ship's weapons in a running world: the guns' path, cadence and energy, the rocket
// rails' turns, reloads and refusals, homing, and the laser's charge, damage, reach and cost.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "sound/GameSounds.h"
#include "tests/support/Expect.h"
#include "tests/support/TestObjects.h"
#include "tests/support/TestWorld.h"
#include "world/Laser.h"
#include "world/LaserGun.h"
#include "world/Projectile.h"
#include "world/ProjectileGun.h"
#include "world/Rocket.h"
#include "world/RocketGun.h"

namespace {
std::vector<Projectile*> projectiles() { return Projectile::registry().snapshot(); }
}  // namespace

TEST(WeaponsGLTest, TheGunsAlternateAtTheirCadenceAlongTheShipsNoseAndWaitForEnergy)
{
    TestWorld test;
    SpaceShip* ship = test.ship();
    test.run(0.1);
    ship->startFiringProjectiles();
    const double dt = 1.0 / 64;
    std::vector<double> shotTimes;  // shots join the registry in the order they leave
    const double energyBefore = ship->getEnergy();
    for (int i = 0; i < 64; ++i) {
        test.frame(dt);
        shotTimes.resize(projectiles().size(), test.time());
    }
    const std::vector<Projectile*> seen = projectiles();
    ASSERT_EQ(seen.size(), 10u) << "one shot per 0.1 s, at the first frame that allows it";
    for (std::size_t i = 1; i < shotTimes.size(); ++i) {
        EXPECT_GE(shotTimes[i] - shotTimes[i - 1], 0.1 - 1e-9);
        EXPECT_LE(shotTimes[i] - shotTimes[i - 1], 0.1 + dt + 1e-9);
    }
    EXPECT_NEAR(ship->getEnergy(), energyBefore - 10 * 2.0 + 1.0 * 6.0, 1e-6) << "2 per shot, 6 per second back";

    // The ship's +x muzzle is on the world's -x side (the ship is turned half a turn on its
    // frame); the first shot leaves there, the second from the other muzzle, both along -z.
    const Vector first = seen[0]->getAbsolutePosition(), second = seen[1]->getAbsolutePosition();
    EXPECT_NEAR(first.x(), -0.25, 1e-6);
    EXPECT_NEAR(second.x(), 0.25, 1e-6);
    EXPECT_NEAR(first.y(), 0.0, 1e-6);
    const double flown = test.time() - shotTimes[0];
    EXPECT_NEAR(first.z(), -0.7 - 15.0 * flown, 15.0 * dt + 1e-6) << "at 15 per second";
    ship->stopFiringProjectiles();
    test.run(0.5);
    EXPECT_EQ(projectiles().size(), 10u) << "none while the button is up";
    test.run(3.0);
    EXPECT_TRUE(projectiles().empty()) << "gone after their 3 s";

    // With 3 left the first shot leaves at once; the next waits until 6 per second have brought
    // the 1 left back to 2.
    ship->useEnergy(ship->getEnergy() - 3.0);
    ship->startFiringProjectiles();
    int frames = 0;
    while (projectiles().size() < 2u && frames++ < 100) test.frame(dt);
    EXPECT_NEAR(frames * dt, 1.0 / 6.0 + dt, 1.5 * dt);
}

TEST(WeaponsGLTest, RocketsLeaveFromAlternateRailsReloadAndRefuse)
{
    TestWorld test;  // one update without time: each muzzle knows one place
    RocketGun* gun = test.ship()->getRocketGun();
    const double energy = test.ship()->getEnergy();
    EXPECT_FALSE(test.ship()->fireRockets(nullptr)) << "nothing leaves before the muzzles know where they are";
    test.ship()->startFiringProjectiles();
    test.frame(0.0);
    EXPECT_EQ(test.ship()->getEnergy(), energy) << "nor is anything paid";
    EXPECT_TRUE(projectiles().empty());
    test.frame();  // the muzzles learn their second place after the gun's turn
    test.frame();
    EXPECT_EQ(projectiles().size(), 1u) << "then it fires at once";
    test.ship()->stopFiringProjectiles();

    EXPECT_TRUE(test.ship()->fireRockets(nullptr));
    EXPECT_EQ(gun->getLeftCounter().getText(), "15");
    EXPECT_EQ(gun->getRightCounter().getText(), "16");
    EXPECT_EQ(gun->getLeftRailModel()->getAlpha(), 0.0) << "the rail is empty";
    test.frame();
    EXPECT_TRUE(test.ship()->fireRockets(nullptr)) << "the other rail is ready";
    EXPECT_EQ(gun->getRightCount(), 15);
    test.run(1.0);
    EXPECT_FALSE(test.ship()->fireRockets(nullptr)) << "the left rail reloads for 3 s";
    EXPECT_EQ(gun->getLeftCount() + gun->getRightCount(), 30);
    test.run(2.0);
    EXPECT_EQ(gun->getLeftRailModel()->getAlpha(), 1.0) << "loaded again";
    EXPECT_TRUE(test.ship()->fireRockets(nullptr));
    EXPECT_FALSE(test.ship()->fireRockets(nullptr)) << "the right rail is due and still reloading";

    // They fly straight ahead along the ship's nose.
    ASSERT_EQ(Rocket::registry().size(), 3u);
    for (Rocket* rocket : Rocket::registry()) {
        EXPECT_LT(rocket->getVelocity().z(), -0.999 * rocket->getVelocity().length());
    }
}

TEST(WeaponsGLTest, TheRailsStayBalancedAndRunOut)
{
    GameManager::selectLevel("Easy");
    TestWorld test;
    RocketGun* gun = test.ship()->getRocketGun();
    gun->addRockets(-5);
    EXPECT_EQ(gun->getLeftCount(), 16);
    gun->addRockets(3);
    EXPECT_EQ(gun->getLeftCount(), 18) << "the rail due next holds the odd rocket";
    EXPECT_EQ(gun->getRightCount(), 17);
    test.run(0.1);
    int launched = 0;
    for (int second = 0; second < 40; ++second) {
        launched += gun->fire(nullptr);
        EXPECT_LE(std::abs(gun->getLeftCount() - gun->getRightCount()), 1);
        test.run(1.6, 0.1);
    }
    EXPECT_EQ(launched, 35);
    EXPECT_FALSE(gun->fire(nullptr)) << "none left";
    test.run(4.0, 0.1);
    EXPECT_FALSE(gun->fire(nullptr));
    EXPECT_EQ(gun->getLeftRailModel()->getAlpha(), 0.0) << "an empty rail shows no rocket";
}

TEST(WeaponsGLTest, ARocketTurnsTowardsItsTargetAtSixtyDegreesPerSecond)
{
    TestWorld test;
    // Heading -z, clear of the ship: the target lies 90 degrees off.
    auto* target = test.place(new TestObject, {50, 10, 0});
    auto* rocket = test.place(new Rocket(target, test.world()), {0, 10, 0});
    rocket->setVelocity(0, 0, -1);
    rocket->setRotation(180, 0, 1, 0);
    const double dt = 1.0 / 50;
    test.frame(dt);
    test.frame(dt);  // a rotation set by hand holds for one turning frame
    Vector heading = rocket->getLocalMatrix().zAxis();
    for (int i = 0; i < 20; ++i) {
        test.frame(dt);
        const Vector next = rocket->getLocalMatrix().zAxis();
        EXPECT_NEAR(heading.angleToDegrees(next), 60.0 * dt, 1e-6) << "frame " << i;
        heading = next;
    }
    EXPECT_GT(heading.x(), 0.3) << "towards +x";
    EXPECT_NEAR(rocket->getVelocity().length(), 10.0, 1e-9) << "at top speed within a few updates";

    // Almost straight behind: still 60 degrees per second, clamped.
    rocket->setTarget(nullptr);
    const Vector ahead = rocket->getLocalMatrix().zAxis();
    target->setPosition(rocket->getAbsolutePosition() + Matrix::rotation(179.0, 0, 1, 0).apply(ahead) * 30.0);
    target->calculate({test.time(), 0.0});
    rocket->setTarget(target);
    test.frame(dt);
    heading = rocket->getLocalMatrix().zAxis();
    test.frame(dt);
    EXPECT_NEAR(heading.angleToDegrees(rocket->getLocalMatrix().zAxis()), 60.0 * dt, 1e-6);
}

TEST(WeaponsGLTest, AHomingRocketLinesUpOnAMovingRockAndReachesItWithoutOvershooting)
{
    TestWorld test("Hard");  // room to chase within the cube
    test.run(0.1);
    Asteroid* rock = test.addAsteroid(3.0, 0, {10, 10, -20}, {1.5, 0, 0});
    auto* rocket = test.place(new Rocket(rock, test.world()), {0, 10, 0});
    rocket->setRotation(180, 0, 1, 0);  // heading -z, the rock some 30 degrees to the right
    const double life = rock->getLife();
    bool linedUp = false;
    for (int frame = 0; frame < 600 && !Rocket::registry().empty(); ++frame) {
        test.frame();
        if (Rocket::registry().empty()) break;
        const double off = rocket->getLocalMatrix().zAxis().angleToDegrees(rock->getAbsolutePosition() -
                                                                           rocket->getAbsolutePosition());
        if (linedUp) {
            EXPECT_LT(off, 3.0) << "frame " << frame << ": once lined up it stays on the rock";
        }
        linedUp = linedUp || off < 1.0;
    }
    EXPECT_TRUE(linedUp);
    EXPECT_TRUE(Rocket::registry().empty()) << "it reached the rock";
    EXPECT_LT(rock->getLife(), life);
}

TEST(WeaponsGLTest, ARocketAtOrStraightAtItsTargetStaysFiniteAndOneThatLostItFliesOn)
{
    TestWorld test;  // "Easy": the cube's faces at 20
    // The rocket starts clear of the ship, heading +z.
    auto* target = test.place(new TestObject, {0, 10, 40});
    auto* rocket = test.place(new Rocket(target, test.world()), {0, 10, 0});
    rocket->setVelocity(0, 0, 10);
    test.frame();
    for (double behind : {30.0, 0.0}) {  // straight behind, then at the rocket's very place
        target->setPosition(rocket->getPosition() - Vector(0, 0, behind));
        target->calculate({test.time(), 0.0});
        for (int i = 0; i < 30; ++i) test.frame();
        EXPECT_TRUE(rocket->getAbsoluteMatrix().origin().isFinite()) << behind;
        EXPECT_TRUE(rocket->getLocalMatrix().zAxis().isFinite()) << behind;
        if (behind > 0.0) {
            EXPECT_LT(rocket->getLocalMatrix().zAxis().z(), 0.9) << "it turns round";
        }
    }

    // A rock that wraps to the other face is lost: the rocket flies straight on.
    Asteroid* rock = test.addAsteroid(1.0, 0, {19.75, 0, -10}, {2, 0, 0});
    rocket->setTarget(rock);
    test.frame(0.1);
    EXPECT_EQ(rocket->getTarget(), rock);
    test.frame(0.1);
    EXPECT_LT(rock->getPosition().x(), 0.0) << "wrapped to the other face";
    EXPECT_EQ(rocket->getTarget(), nullptr);
    const Vector heading = rocket->getLocalMatrix().zAxis();
    test.run(0.5);
    EXPECT_NEAR(heading.angleToDegrees(rocket->getLocalMatrix().zAxis()), 0.0, 1e-6) << "flies straight on";

    // A target deleted while a rocket homes on it leaves no dangling pointer behind.
    rocket->setTarget(rock);
    rock->destroy();
    SceneGraph::deleteDestroyedObjects();
    EXPECT_EQ(rocket->getTarget(), nullptr);
    test.run(0.2);
}

TEST(WeaponsGLTest, TheLaserChargesThenHurtsEveryRockOnItsLineAndShowsTheNearest)
{
    TestWorld test;
    GameManager::currentLevel().laserRange = 16.0;
    test.run(0.1);
    const Vector drift(0.1, 0, 0);
    Asteroid* near = test.addAsteroid(1.0, 0, {0, 0, -8}, drift);
    Asteroid* far = test.addAsteroid(1.0, 1, {0, 0.3, -14});
    LaserGun* gun = test.ship()->getLaserGun();
    Laser* laser = gun->getLaser();
    test.advanceClock(5.0);
    test.press(SpaceManager::MiddleButton, 0, 0);
    test.run(1.9);
    ASSERT_FALSE(laser->isActive()) << "still charging";
    EXPECT_EQ(near->getLife(), 15.0);
    test.run(0.2);
    ASSERT_TRUE(laser->isActive());
    const double before[2] = {near->getLife(), far->getLife()};
    test.run(1.0);
    EXPECT_NEAR(before[0] - near->getLife(), 8.0, 0.2) << "8 per second at hardness 1";
    EXPECT_NEAR(before[1] - far->getLife(), 8.0 / 1.75, 0.2) << "the far one too, through the near one";
    EXPECT_EQ(laser->getTarget(), near);
    EXPECT_LT(laser->getRange(), 8.0) << "drawn to the nearest";
    EXPECT_GT(laser->getRange(), 5.0);
    EXPECT_TRUE(laser->getHitLight()->isActive());
    EXPECT_TRUE(::near(laser->getHitLight()->getAbsolutePosition(), Vector(0, 0, -laser->getRange()), 1e-6));
    EXPECT_TRUE(::near(near->getVelocity(), drift)) << "the beam pushes nothing";

    test.release(SpaceManager::MiddleButton, 0, 0);
    EXPECT_FALSE(laser->isActive());
    EXPECT_FALSE(gun->isFiring());
    EXPECT_TRUE(laserSound().isPaused()) << "the sound fades out";
    const double after = near->getLife();
    test.run(0.5);
    EXPECT_EQ(near->getLife(), after);
}

TEST(WeaponsGLTest, TheLaserBurnsWhileTheEnergyLasts)
{
    TestWorld test;
    test.run(0.1);
    GameManager::currentLevel().energyRegeneration = 0.0;
    SpaceShip* ship = test.ship();
    ship->startLaser();
    test.run(2.05, 0.01);
    ASSERT_TRUE(ship->getLaserGun()->getLaser()->isActive());
    ship->useEnergy(ship->getEnergy() - 5.0);
    double burnt = 0.0;
    for (; ship->getLaserGun()->isFiring() && burnt < 2.0; burnt += 0.01) test.frame(0.01);
    EXPECT_NEAR(burnt, 0.5, 0.015) << "5 energy at 10 per second";
    EXPECT_FALSE(ship->getLaserGun()->getLaser()->isActive());
    test.run(3.0, 0.01);
    EXPECT_FALSE(ship->getLaserGun()->isFiring()) << "it must be started again";
}

TEST(WeaponsGLTest, ABeamHitsWhatLiesOnItsLineAheadWithinItsRange)
{
    TestWorld test;  // a range of 20; rocks of radius 0.9 and a beam 0.1 wide
    struct Case {
        const char* what;
        Vector direction, rock;
        bool hit;
    };
    const Case cases[] = {
        {"ahead", {1, 0, 0}, {5, 0, 0}, true},
        {"ahead, its sphere touching the line", {1, 0, 0}, {5, 0.9, 0}, true},
        {"beside", {1, 0, 0}, {5, 1.0, 0}, false},
        {"behind the start", {1, 0, 0}, {-3, 0, 0}, false},
        {"its centre beyond the range", {1, 0, 0}, {20.5, 0, 0}, false},
        {"at the start", {1, 0, 0}, {0, 0, 0}, true},
        {"a beam without a direction", {0, 0, 0}, {0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        Asteroid* rock = test.addAsteroid(1.0, 0, c.rock);
        auto* beam = test.place(new Laser(Vector(0, 0, 0), c.direction), {});
        beam->calculate({0.0, 0.1});
        const Collision collision = beam->testCollision(rock);
        EXPECT_EQ(collision.hit, c.hit) << c.what;
        EXPECT_TRUE(collision.point.isFinite()) << c.what;
        if (c.hit && c.rock.isZero()) {
            EXPECT_NEAR(beam->getRange(), 0.1, 1e-12) << "a hit at the start is drawn 0.1 long";
        }
        rock->destroy();
        beam->destroy();
        SceneGraph::deleteDestroyedObjects();
    }
}
