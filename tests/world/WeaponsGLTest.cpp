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

double degreesBetween(const Vector& a, const Vector& b) { return a.angleToDegrees(b); }
}  // namespace

TEST(WeaponsGLTest, TheGunsAlternateAtTheirCadenceAlongTheShipsNose)
{
    TestWorld test;
    SpaceShip* ship = test.ship();
    test.run(0.1);
    ship->startFiringProjectiles();
    const double dt = 1.0 / 64;
    std::vector<double> shotTimes;
    std::vector<Projectile*> seen;
    const double energyBefore = ship->getEnergy();
    for (int i = 0; i < 64; ++i) {
        test.frame(dt);
        for (Projectile* p : projectiles()) {
            if (std::find(seen.begin(), seen.end(), p) != seen.end()) continue;
            seen.push_back(p);
            shotTimes.push_back(test.time());
        }
    }
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
}

TEST(WeaponsGLTest, ShotsWaitForEnergy)
{
    TestWorld test;
    SpaceShip* ship = test.ship();
    test.run(0.1);
    ship->useEnergy(ship->getEnergy() - 3.0);
    ship->startFiringProjectiles();
    const double dt = 1.0 / 100;
    test.frame(dt);
    EXPECT_EQ(projectiles().size(), 1u);
    // 1 energy left: the next shot waits until 6 per second have brought it back to 2.
    int frames = 1;
    while (projectiles().size() == 1u && frames < 100) {
        test.frame(dt);
        ++frames;
    }
    EXPECT_NEAR(frames * dt, 1.0 / 6.0 + dt, 1.5 * dt);
    const double left = ship->getEnergy();
    EXPECT_EQ(ship->useEnergy(100.0), left) << "asking for more takes what is left";
    EXPECT_EQ(ship->getEnergy(), 0.0);
    EXPECT_FALSE(ship->hasEnergy(0.5));
    EXPECT_TRUE(ship->hasEnergy(0.0));
}

TEST(WeaponsGLTest, RocketsLeaveFromAlternateRailsReloadAndRefuse)
{
    TestWorld test;
    RocketGun* gun = test.ship()->getRocketGun();
    test.run(0.1);
    EXPECT_EQ(gun->getLeftCounter().getText(), "16");
    EXPECT_EQ(gun->getRightCounter().getText(), "16");

    EXPECT_TRUE(test.ship()->fireRockets(nullptr));
    EXPECT_EQ(gun->getLeftCount(), 15);
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

    // Both rockets fly straight ahead along the ship's nose.
    const std::vector<Rocket*> rockets = Rocket::registry().snapshot();
    ASSERT_EQ(rockets.size(), 3u);
    for (Rocket* rocket : rockets) {
        EXPECT_LT(rocket->getVelocity().z(), -4.9);
        EXPECT_NEAR(rocket->getVelocity().x(), 0.0, 1e-6);
        EXPECT_LE(rocket->getVelocity().length(), 10.0 + 1e-9);
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
    auto* target = new TestObject;
    target->setPosition(50, 10, 0);
    test.world()->addChild(target);
    auto* rocket = new Rocket(target, test.world());
    test.world()->addChild(rocket);
    rocket->setPosition(0, 10, 0);  // clear of the ship
    rocket->setVelocity(0, 0, -1);
    rocket->setRotation(180, 0, 1, 0);  // heading -z: the target lies 90 degrees off
    const double dt = 1.0 / 50;
    test.frame(dt);
    test.frame(dt);  // a rotation set by hand holds for one turning frame
    Vector heading = rocket->getLocalMatrix().zAxis();
    for (int i = 0; i < 20; ++i) {
        test.frame(dt);
        const Vector next = rocket->getLocalMatrix().zAxis();
        EXPECT_NEAR(degreesBetween(heading, next), 60.0 * dt, 1e-6) << "frame " << i;
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
    EXPECT_NEAR(degreesBetween(heading, rocket->getLocalMatrix().zAxis()), 60.0 * dt, 1e-6);
}

TEST(WeaponsGLTest, AHomingRocketLinesUpOnAMovingRockAndReachesItWithoutOvershooting)
{
    TestWorld test("Hard");  // room to chase within the cube
    test.run(0.1);
    Asteroid* rock = test.addAsteroid(3.0, 0, {10, 10, -20}, {1.5, 0, 0});
    auto* rocket = new Rocket(rock, test.world());
    test.world()->addChild(rocket);
    rocket->setPosition(0, 10, 0);
    rocket->setRotation(180, 0, 1, 0);  // heading -z, the rock some 30 degrees to the right
    const double life = rock->getLife();
    bool linedUp = false;
    int frames = 0;
    while (!Rocket::registry().empty() && frames++ < 600) {
        test.frame();
        if (Rocket::registry().empty()) break;
        const double off = degreesBetween(rocket->getLocalMatrix().zAxis(),
                                          rock->getAbsolutePosition() - rocket->getAbsolutePosition());
        if (linedUp) {
            EXPECT_LT(off, 3.0) << "frame " << frames << ": once lined up it stays on the rock";
        }
        linedUp = linedUp || off < 1.0;
    }
    EXPECT_TRUE(linedUp);
    EXPECT_TRUE(Rocket::registry().empty()) << "it reached the rock";
    EXPECT_LT(rock->getLife(), life);
}

TEST(WeaponsGLTest, ARocketAtOrStraightAtItsTargetStaysFinite)
{
    TestWorld test;
    auto* target = new TestObject;
    test.world()->addChild(target);
    auto* rocket = new Rocket(target, test.world());
    test.world()->addChild(rocket);
    rocket->setPosition(0, 10, 0);  // clear of the ship
    rocket->setVelocity(0, 0, 10);

    target->setPosition(0, 10, 40);  // exactly ahead: no turn at all
    test.frame();
    EXPECT_NEAR(rocket->getLocalMatrix().zAxis().z(), 1.0, 1e-12);

    target->setPosition(rocket->getPosition());  // at the rocket's very place
    target->calculate({test.time(), 0.0});
    rocket->calculate({test.time(), 0.0});
    test.frame();
    EXPECT_TRUE(rocket->getAbsoluteMatrix().origin().isFinite());
    EXPECT_TRUE(rocket->getLocalMatrix().zAxis().isFinite());

    target->setPosition(rocket->getAbsolutePosition() - Vector(0, 0, 30));  // straight behind
    target->calculate({test.time(), 0.0});
    for (int i = 0; i < 30; ++i) test.frame();
    EXPECT_TRUE(rocket->getLocalMatrix().zAxis().isFinite());
    EXPECT_LT(rocket->getLocalMatrix().zAxis().z(), 0.9) << "it turns round";
}

TEST(WeaponsGLTest, ARocketLosesATargetThatWrapsOrIsDestroyed)
{
    TestWorld test;  // "Easy": the cube's faces at 20
    Asteroid* rock = test.addAsteroid(1.0, 0, {19.75, 0, -10}, {2, 0, 0});
    auto* rocket = new Rocket(rock, test.world());
    test.world()->addChild(rocket);
    rocket->setPosition(0, 10, 0);  // clear of the ship
    rocket->setVelocity(0, 0, -5);
    rocket->setRotation(180, 0, 1, 0);
    test.frame(0.1);
    EXPECT_EQ(rocket->getTarget(), rock);
    test.frame(0.1);
    EXPECT_LT(rock->getPosition().x(), 0.0) << "wrapped to the other face";
    EXPECT_EQ(rocket->getTarget(), nullptr);
    const Vector heading = rocket->getLocalMatrix().zAxis();
    test.run(0.5);
    EXPECT_NEAR(degreesBetween(heading, rocket->getLocalMatrix().zAxis()), 0.0, 1e-6) << "flies straight on";

    // A target deleted while a rocket homes on it leaves no dangling pointer behind.
    auto* other = new Rocket(rock, test.world());
    test.world()->addChild(other);
    other->setPosition(0, -10, 0);
    rock->destroy();
    SceneGraph::deleteDestroyedObjects();
    EXPECT_EQ(other->getTarget(), nullptr);
    test.run(0.2);
}

TEST(WeaponsGLTest, TheLaserChargesThenHurtsEveryRockOnItsLineWithinItsRange)
{
    TestWorld test;
    GameManager::currentLevel().laserRange = 16.0;
    test.run(0.1);
    const Vector drift(0.1, 0, 0);
    Asteroid* near = test.addAsteroid(1.0, 0, {0, 0, -8}, drift);
    Asteroid* far = test.addAsteroid(1.0, 1, {0, 0.3, -14});
    Asteroid* beyond = test.addAsteroid(1.0, 1, {0, -0.3, -17.5});  // its sphere reaches into the range
    Asteroid* beside = test.addAsteroid(1.0, 0, {1.5, 0, 0.2});     // just behind the beam's start
    LaserGun* gun = test.ship()->getLaserGun();
    Laser* laser = gun->getLaser();
    test.advanceClock(5.0);
    test.press(SpaceManager::MiddleButton, 0, 0);
    test.run(1.9);
    EXPECT_FALSE(laser->isActive()) << "still charging";
    EXPECT_EQ(near->getLife(), 15.0);
    test.run(0.2);
    ASSERT_TRUE(laser->isActive());
    const double before[2] = {near->getLife(), far->getLife()};
    test.run(1.0);
    EXPECT_NEAR(before[0] - near->getLife(), 8.0, 0.2) << "8 per second at hardness 1";
    EXPECT_NEAR(before[1] - far->getLife(), 8.0 / 1.75, 0.2) << "the far one too, through the near one";
    EXPECT_EQ(beside->getLife(), 15.0) << "however close, not behind the start";
    EXPECT_EQ(beyond->getLife(), 15.0) << "its centre lies beyond the range";
    EXPECT_EQ(laser->getTarget(), near);
    EXPECT_LT(laser->getRange(), 8.0) << "drawn to the nearest";
    EXPECT_GT(laser->getRange(), 5.0);
    EXPECT_TRUE(laser->getHitLight()->isActive());
    EXPECT_NEAR((laser->getHitLight()->getAbsolutePosition() - Vector(0, 0, -laser->getRange())).length(), 0.0, 1e-6);
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
    test.ship()->startLaser();
    test.run(2.05, 0.01);
    ASSERT_TRUE(ship->getLaserGun()->getLaser()->isActive());
    ship->useEnergy(ship->getEnergy() - 5.0);
    double burnt = 0.0;
    while (ship->getLaserGun()->isFiring() && burnt < 2.0) {
        test.frame(0.01);
        burnt += 0.01;
    }
    EXPECT_NEAR(burnt, 0.5, 0.015) << "5 energy at 10 per second";
    EXPECT_FALSE(ship->getLaserGun()->getLaser()->isActive());
    test.run(3.0, 0.01);
    EXPECT_FALSE(ship->getLaserGun()->isFiring()) << "it must be started again";
}

TEST(WeaponsGLTest, ABeamWithoutDirectionOrAtItsTargetHitsSensibly)
{
    TestWorld test;
    Asteroid* rock = test.addAsteroid(1.0, 0, {0, 0, 0});
    auto* pointless = new Laser(Vector(0, 0, 0), Vector(0, 0, 0));
    test.world()->addChild(pointless);
    pointless->calculate({0.0, 0.1});
    EXPECT_FALSE(pointless->testCollision(rock).hit);

    auto* beam = new Laser(Vector(0, 0, 0), Vector(1, 0, 0));
    test.world()->addChild(beam);
    beam->calculate({0.0, 0.1});
    const Collision inside = beam->testCollision(rock);  // the rock's centre at the beam's start
    EXPECT_TRUE(inside.hit);
    EXPECT_TRUE(inside.point.isFinite());
    EXPECT_NEAR(beam->getRange(), 0.1, 1e-12) << "a hit at the start is drawn 0.1 long";
}

TEST(WeaponsGLTest, NothingIsPaidForBeforeTheMuzzlesKnowWhereTheyAre)
{
    TestWorld test;  // one update without time: each muzzle knows one place
    SpaceShip* ship = test.ship();
    const double energy = ship->getEnergy();
    EXPECT_FALSE(ship->fireRockets(nullptr));
    EXPECT_EQ(ship->getRocketGun()->getLeftCount(), 16) << "the rocket stays on its rail";
    ship->startFiringProjectiles();
    test.frame(0.0);
    EXPECT_EQ(ship->getEnergy(), energy);
    EXPECT_TRUE(Projectile::registry().empty());
    test.frame();  // the muzzles learn their second place after the gun's turn
    test.frame();
    EXPECT_EQ(Projectile::registry().size(), 1u) << "then it fires at once";
    EXPECT_TRUE(ship->fireRockets(nullptr));
}
