// Every level's world, built as a game builds it and flown for thousands of frames with
// scripted flight and firing: the level's rocks, and nothing broken along the way.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "app/KeyboardListener.h"
#include "tests/support/GLContext.h"
#include "tests/support/TestWorld.h"
#include "world/Laser.h"
#include "world/LaserGun.h"
#include "world/Projectile.h"
#include "world/Rocket.h"
#include "world/RocketGun.h"

namespace {
struct LevelCase {
    const char* name;
    int counts[3];
    double halfSize;
};

void PrintTo(const LevelCase& level, std::ostream* out) { *out << level.name; }

class WorldLevelsGLTest : public ::testing::TestWithParam<LevelCase> {
protected:
    void SetUp() override { GLContext::resize(640, 360); }
    void TearDown() override { GLContext::resize(640, 480); }
};

// How far a point lies from the centre along the axis nearest a face.
double farthest(const Vector& at) { return std::max({std::abs(at.x()), std::abs(at.y()), std::abs(at.z())}); }

// Rocks are where the rules keep them, and nothing that is drawn or sorted is broken.
void checkWorld(TestWorld& test, double halfSize)
{
    for (Asteroid* rock : Asteroid::registry()) {
        ASSERT_TRUE(rock->getPosition().isFinite());
        ASSERT_LE(farthest(rock->getPosition()), halfSize + 0.5);  // one frame's drift beyond a face at most
        ASSERT_GE(rock->getAlpha(), 0.0);
        ASSERT_LE(rock->getAlpha(), 1.0);
        ASSERT_LE(rock->getVelocity().length(), rock->getMaxSpeed() + 1e-9);
    }
    for (Projectile* shot : Projectile::registry()) ASSERT_TRUE(shot->getAbsolutePosition().isFinite());
    for (Rocket* rocket : Rocket::registry()) ASSERT_TRUE(rocket->getAbsoluteMatrix().origin().isFinite());
    ASSERT_TRUE(test.world()->getShipFrame()->getAbsoluteMatrix().origin().isFinite());
    if (SpaceShip* ship = test.ship()) {
        ASSERT_GE(ship->getLife(), 0.0);
        ASSERT_GE(ship->getShield(), 0.0);
        ASSERT_GE(ship->getEnergy(), 0.0);
    }
}
}  // namespace

TEST_P(WorldLevelsGLTest, TheLevelsWorldSurvivesAScriptedFight)
{
    const LevelCase& level = GetParam();
    TestWorld test(level.name, true, 17);
    std::map<int, int> kinds;
    for (Asteroid* rock : Asteroid::registry()) {
        ++kinds[rock->getKind()];
        const Vector at = rock->getPosition();
        const double keepOut = (rock->getSize() * 0.9 + 0.5) * 1.2;
        EXPECT_GE(std::min({std::abs(at.x()), std::abs(at.y()), std::abs(at.z())}), keepOut - 1e-9);
        EXPECT_LE(farthest(at), level.halfSize);
    }
    for (int kind = 0; kind < 3; ++kind) EXPECT_EQ(kinds[kind], level.counts[kind]) << kind;
    EXPECT_EQ(test.world()->getCamera(), Camera::getActive());

    GameEventSpy events;
    Asteroid::setPointsHandler([](double) {});
    std::size_t mostShots = 0;
    int laserFrames = 0;
    SpaceManager& manager = test.manager();
    const int width = 640, height = 360;
    for (int frame = 0; frame < 3000; ++frame) {
        const double t = frame / 60.0;
        // Fly a slow weave, thrusting and braking, strafing now and then.
        const int x = width / 2 + static_cast<int>(std::sin(t * 0.7) * width * 0.45);
        const int y = height / 2 + static_cast<int>(std::sin(t * 0.43) * height * 0.4);
        test.moveTo(x, y);
        if (frame % 600 == 0) dispatchKeyPressed('w');
        if (frame % 600 == 420) dispatchKeyReleased('w');
        if (frame % 600 == 450) dispatchKeyPressed('s');
        if (frame % 600 == 540) dispatchKeyReleased('s');
        if (frame % 300 == 100) dispatchKeyPressed(frame % 600 == 100 ? 'a' : 'd');
        if (frame % 300 == 160) dispatchKeyReleased(frame % 600 == 160 ? 'a' : 'd');
        if (frame % 240 == 0) test.press(SpaceManager::LeftButton, x, y);
        if (frame % 240 == 150) test.release(SpaceManager::LeftButton, x, y);
        if (frame % 450 == 45) test.press(SpaceManager::RightButton, width / 2, height / 2);
        if (frame % 30 == 15 && test.ship() != nullptr && !Asteroid::registry().empty()) {
            // A rocket at a rock somewhere in the world: it homes on it.
            const std::vector<Asteroid*> rocks = Asteroid::registry().snapshot();
            test.ship()->fireRockets(rocks[frame % rocks.size()]);
        }
        if (frame % 900 == 300) {
            test.advanceClock(0.1);
            test.press(SpaceManager::MiddleButton, width / 2, height / 2);
        }
        if (frame % 900 == 560) {
            test.advanceClock(3.0);
            test.release(SpaceManager::MiddleButton, width / 2, height / 2);
        }
        if (frame % 450 == 10) {  // a quick click: select what lies ahead
            test.press(SpaceManager::MiddleButton, width / 2, height / 2);
            test.release(SpaceManager::MiddleButton, width / 2, height / 2);
        }
        if (frame == 1500) manager.setPaused(true);
        if (frame == 1510) manager.setPaused(false);
        test.frame(frame == 1500 ? 0.0 : 1.0 / 60.0);
        checkWorld(test, level.halfSize);
        if (HasFatalFailure()) break;
        mostShots = std::max(mostShots, Projectile::registry().size());
        if (test.ship() != nullptr && test.ship()->getLaserGun()->getLaser()->isActive()) ++laserFrames;
        if (frame % 100 == 0) test.draw();
    }
    for (unsigned char key : {'w', 's', 'a', 'd'}) dispatchKeyReleased(key);
    Asteroid::setPointsHandler(nullptr);
    if (HasFatalFailure()) return;
    // The fight really happened.
    EXPECT_GT(mostShots, 10u);
    EXPECT_GT(laserFrames, 20);
    if (test.ship() != nullptr) {
        EXPECT_LT(test.ship()->getRocketGun()->getLeftCount(), 16);
    }
    EXPECT_LE(events.count(GameLost), 1);
    EXPECT_LE(events.count(GameWon), 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, WorldLevelsGLTest,
                         ::testing::Values(LevelCase{"Easy", {8, 5, 2}, 20.0}, LevelCase{"Medium", {10, 7, 3}, 30.0},
                                           LevelCase{"Hard", {12, 9, 4}, 40.0},
                                           LevelCase{"Impossible", {15, 12, 7}, 40.0}),
                         [](const auto& info) { return std::string(info.param.name); });
