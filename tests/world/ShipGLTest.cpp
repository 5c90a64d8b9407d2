// The player's ship under SpaceManager's control: thrust and strafing from the keys, turning
// from the mouse, the lagging camera, the mouse buttons, pausing, damage to shield and hull,
// and the end of the ship.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <utility>

#include "app/KeyboardListener.h"
#include "overlay/TargetPointer.h"
#include "sound/GameSounds.h"
#include "tests/support/GLContext.h"
#include "tests/support/TestWorld.h"
#include "world/LaserGun.h"
#include "world/ProjectileGun.h"
#include "world/Rocket.h"
#include "world/RocketGun.h"
#include "world/VaporTrailEmitter.h"

namespace {
constexpr int arrowLeft = 100;

Vector framePosition(TestWorld& test) { return test.world()->getShipFrame()->getPosition(); }
Vector forward(TestWorld& test) { return -test.world()->getShipFrame()->getAbsoluteMatrix().zAxis(); }

// Where a point of the world shows in a window of 1280 x 720.
std::pair<int, int> onScreen(TestWorld& test, const Vector& point)
{
    const Vector at = test.world()->getCamera()->getViewProjectionMatrix().apply(point);
    return {static_cast<int>((at.x() + 1) / 2 * 1280), static_cast<int>((1 - at.y()) / 2 * 720)};
}

// A middle click held for `seconds` by the middle button's clock.
void middleClick(TestWorld& test, int x, int y, double seconds)
{
    test.press(SpaceManager::MiddleButton, x, y);
    test.advanceClock(seconds);
    test.release(SpaceManager::MiddleButton, x, y);
}
}  // namespace

// The flight rules are ShipControl's (ShipControlTest); here only that keys and mouse reach the
// frame, its trail and engine, and the camera.
TEST(ShipGLTest, KeysAndMouseDriveTheFrameItsTrailAndTheCamera)
{
    TestWorld test;
    glViewport(0, 0, 800, 600);
    dispatchKeyPressed('w');
    dispatchSpecialKeyPressed(arrowLeft);
    test.run(1.0, 0.01);
    dispatchKeyReleased('w');
    dispatchSpecialKeyReleased(arrowLeft);
    EXPECT_LT(framePosition(test).z(), -0.4) << "forward along the frame's -z";
    EXPECT_LT(framePosition(test).x(), -0.2) << "strafing left";
    EXPECT_GT(test.ship()->getVaporTrail()->getEmissionInterval(), 0.0) << "the engine leaves a trail";
    EXPECT_GT(test.ship()->getEngineSound().getVolume(), 0.0);
    EXPECT_GT(test.world()->getCamera()->getPosition().x(), 0.1) << "the camera swings out";
    test.moveTo(800, 300);  // right: yaw right
    test.run(1.0, 0.01);
    EXPECT_GT(forward(test).x(), 0.5);
    test.moveTo(400, 600);  // down: the nose goes down
    test.run(1.0, 0.01);
    EXPECT_LT(forward(test).y(), -0.3);
    glViewport(0, 0, 640, 480);
}

TEST(ShipGLTest, MouseButtonsFireAShortMiddleClickSelectsAndRocketsGoForTheRockOfALeadPointer)
{
    TestWorld test;
    Asteroid* rock = test.addAsteroid(1.0, 0, {0, 0, -9});
    GLContext::resize(1280, 720);
    test.run(0.1);
    const auto [x, y] = onScreen(test, rock->getAbsolutePosition());
    EXPECT_EQ(test.manager().pickAsteroid(x, y), rock);

    test.press(SpaceManager::MiddleButton, x, y);
    EXPECT_TRUE(test.ship()->getLaserGun()->isFiring());
    test.advanceClock(0.3);
    test.release(SpaceManager::MiddleButton, x, y);
    EXPECT_FALSE(test.ship()->getLaserGun()->isFiring());
    EXPECT_EQ(test.manager().getSelectedAsteroid(), rock);
    rock->setSelected(false);
    middleClick(test, x, y, 0.6);
    EXPECT_FALSE(rock->isSelected()) << "a long press only fires";
    test.press(SpaceManager::LeftButton, x, y);
    EXPECT_TRUE(test.ship()->getProjectileGun()->isFiring());
    test.release(SpaceManager::LeftButton, x, y);
    EXPECT_FALSE(test.ship()->getProjectileGun()->isFiring());

    // A rocket fired at the pointer that leads a selected rock goes for that rock.
    wreck(rock, test.ship());
    test.run(1.0);
    Asteroid* other = test.addAsteroid(1.0, 1, {-4, 0, -12}, {3, 0, 0});  // crossing: led well ahead
    test.frame();
    const auto [otherX, otherY] = onScreen(test, other->getAbsolutePosition());
    middleClick(test, otherX, otherY, 0.0);
    ASSERT_EQ(test.manager().getSelectedAsteroid(), other);
    test.run(0.1);
    const Vector lead = other->getTargetPointer()->getAbsolutePosition();
    ASSERT_GT((lead - other->getAbsolutePosition()).length(), 1.5) << "clear of the rock";
    const auto [leadX, leadY] = onScreen(test, lead);
    test.press(SpaceManager::RightButton, leadX, leadY);
    EXPECT_EQ(test.ship()->getRocketGun()->getLeftCount(), 15);
    test.run(0.1);
    ASSERT_EQ(Rocket::registry().size(), 1u);
    EXPECT_EQ(Rocket::registry().snapshot()[0]->getTarget(), other) << "the rocket goes for the rock";
    GLContext::resize(640, 480);
}

TEST(ShipGLTest, PausingStopsTheLaserAndTheRockets)
{
    TestWorld test;
    test.run(0.1);
    test.press(SpaceManager::MiddleButton, 0, 0);
    test.run(0.5);
    test.manager().setPaused(true);
    EXPECT_FALSE(test.ship()->getLaserGun()->isFiring());
    EXPECT_TRUE(laserSound().isPaused());
    test.press(SpaceManager::RightButton, 0, 0);
    EXPECT_EQ(test.ship()->getRocketGun()->getLeftCount(), 16) << "no launch while paused";
    test.manager().setPaused(false);
    EXPECT_TRUE(test.ship()->getLaserGun()->isFiring()) << "the held button charges again";
    test.release(SpaceManager::MiddleButton, 0, 0);
    test.manager().setPaused(true);
    test.manager().setPaused(false);
    EXPECT_FALSE(test.ship()->getLaserGun()->isFiring());
}

TEST(ShipGLTest, TheShieldTakesHitsFirstAndTheHullTheRest)
{
    TestWorld test("Impossible");  // shield 20, hull 12
    GameEventSpy events;
    SpaceShip* ship = test.ship();
    Asteroid* rock = test.addAsteroid(1.0, 0, {30, 30, 30});
    ship->onCollision(rock, {}, 30.0);
    EXPECT_EQ(ship->getShield(), 0.0);
    EXPECT_EQ(ship->getLife(), 2.0);
    EXPECT_NEAR(ship->getLifeBeam().getValue(), 2.0 / 12.0, 1e-12);
    test.frame(0.5);
    EXPECT_NEAR(ship->getShield(), 0.5, 1e-12) << "1 per second back";
    EXPECT_NEAR(ship->getShieldBeam().getValue(), 0.5 / 20.0, 1e-12);
    EXPECT_EQ(ship->getLife(), 2.0) << "the hull does not mend";
    ship->startFiringProjectiles();
    ship->startLaser();
    ship->onCollision(rock, {}, 5.0);
    EXPECT_EQ(ship->getLife(), 0.0);
    EXPECT_TRUE(ship->isDestroyed());
    EXPECT_EQ(events.count(GameLost), 0) << "told when it is deleted, at the end of the frame";
    test.frame();
    EXPECT_EQ(events.count(GameLost), 1);
    EXPECT_EQ(test.world()->getShip(), nullptr);
    EXPECT_FALSE(test.manager().isActive());
    EXPECT_TRUE(laserSound().isPaused()) << "the laser went with the ship";

    // The world goes on without it, and the controls are dead.
    dispatchKeyPressed('W');
    test.run(0.5);
    dispatchKeyReleased('W');
    EXPECT_EQ(test.manager().getControl().speed(), 0.0);
    EXPECT_EQ(events.count(GameLost), 1);
}

TEST(ShipGLTest, AShipAtRestHitByARockTakesNoDamage)
{
    TestWorld test("Hard");
    SpaceShip* ship = test.ship();
    // Fly, then stop: the frame keeps its flight velocity stored but stands still.
    const double dt = 1.0 / 64;  // exact steps, so that the speed comes back to exactly 0
    dispatchKeyPressed('W');
    test.run(1.0, dt);
    dispatchKeyReleased('W');
    dispatchKeyPressed('S');
    test.run(1.0, dt);
    dispatchKeyReleased('S');
    ASSERT_EQ(test.manager().getControl().speed(), 0.0);
    EXPECT_FALSE(test.world()->getShipFrame()->isMoving());
    EXPECT_FALSE(test.world()->getShipFrame()->getVelocity().isZero());

    Asteroid* rock = test.addAsteroid(1.0, 1, framePosition(test) + Vector(0, 0, -3), {0, 0, 2});
    const double shield = ship->getShield();
    for (int frames = 0; rock->getLife() == 15.0 && frames < 200; ++frames) test.frame(dt);
    ASSERT_LT(rock->getLife(), 15.0) << "they met";
    EXPECT_EQ(ship->getShield(), shield);
    EXPECT_EQ(ship->getLife(), ship->getMaxLife());
    EXPECT_NEAR(15.0 - rock->getLife(), 1.0 * 4.0 * 10.0 / 1.75, 1e-9) << "mass times speed squared times 10";

    // At speed the ship is hurt by its own motion.
    dispatchKeyPressed('W');
    test.run(2.0, dt);
    dispatchKeyReleased('W');
    test.addAsteroid(1.0, 1, framePosition(test) + Vector(0, 0, -2.5));
    test.run(1.0, dt);
    EXPECT_LT(ship->getShield(), shield);
}
