// The running world as the player sees it at 1280 x 720: sky, lit and tinted rocks, the
// ship from behind with its trail, shots, a homing rocket, an explosion, a selected rock with
// its lead pointer, the gauges and the rocket counters. Checks where things land and leaves
// the picture in build/gl-shots/ for a person to look at.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/KeyboardListener.h"
#include "overlay/TargetPointer.h"
#include "tests/support/GLContext.h"
#include "tests/support/TestWorld.h"
#include "world/Laser.h"
#include "world/LaserGun.h"
#include "world/Projectile.h"
#include "world/Rocket.h"

namespace {
struct WorldPictureGLTest : ::testing::Test {
    void SetUp() override { GLContext::resize(1280, 720); }
    void TearDown() override { GLContext::resize(640, 480); }
};

// Pixels in a box (x, y from the lower left) that are not black sky.
int litPixels(int x0, int y0, int x1, int y1, int threshold = 60)
{
    int count = 0;
    for (int x = x0; x < x1; ++x)
        for (int y = y0; y < y1; ++y) {
            const GLContext::Rgb p = GLContext::pixel(x, y);
            count += p.r + p.g + p.b > threshold;
        }
    return count;
}
}  // namespace

TEST_F(WorldPictureGLTest, ABusyMomentOfAGame)
{
    // The sun behind the player, high on the left.
    Background::setOrientation(40.0, Vector(-0.5, -0.4, 0.0));
    TestWorld test("Hard", false, 21);
    const struct {
        double size;
        int kind;
        Vector at, velocity;
    } rocks[] = {
        {3.0, 0, {-7, 2.5, -20}, {0.2, 0, 0}}, {2.5, 1, {8, -1, -24}, {-0.3, 0.1, 0}},
        {4.0, 2, {1, 6, -38}, {0, -0.1, 0}},   {3.5, 0, {-16, -5, -33}, {0.1, 0, 0.1}},
        {1.2, 1, {4.5, -2.5, -13}, {0, 0, 0}}, {0.9, 2, {-3.5, -2, -10}, {0.3, 0, 0}},
        {2.0, 2, {15, 7, -30}, {-0.2, 0, 0}},  {1.5, 0, {-2, 1.5, -16}, {0, 0, 0}},
    };
    std::vector<Asteroid*> placed;
    for (const auto& rock : rocks) {
        placed.push_back(test.addAsteroid(rock.size, rock.kind, rock.at, rock.velocity));
        placed.back()->setRotation(37.0 * placed.size(), Vector(0.3, 1, 0.5));
        placed.back()->setSpin(8.0, Vector(0.2, 1, 0.1));
    }
    // Cruise forward, firing, with a rocket on its way to the grey rock on the right.
    dispatchKeyPressed('w');
    test.run(1.2);
    dispatchKeyReleased('w');
    test.ship()->startFiringProjectiles();
    test.run(0.3);
    placed[7]->onCollision(test.ship(), placed[7]->getAbsolutePosition() + Vector(0, 0, 1.5), 1e6);
    placed[4]->onCollision(test.ship(), placed[4]->getAbsolutePosition() + Vector(0, 0.5, 1.2), 3.0);
    placed[0]->setSelected(true);
    test.moveTo(675, 345);  // a gentle turn up and right
    test.run(0.1);
    test.ship()->fireRockets(placed[2]);
    test.run(0.4);
    test.draw();
    EXPECT_FALSE(GLContext::writePng("world-running").empty());

    EXPECT_FALSE(Projectile::registry().empty());
    EXPECT_EQ(Rocket::registry().size(), 1u);
    // The gauges along the bottom, the counters above them, the ship in the lower middle.
    EXPECT_GT(GLContext::pixel(100, 12).g, 150) << "hull";
    EXPECT_GT(GLContext::pixel(1180, 12).b, 150) << "shield";
    EXPECT_GT(litPixels(560, 120, 720, 300), 3000) << "the ship from behind";
    EXPECT_GT(litPixels(20, 60, 220, 120), 300) << "the left rocket counter";
    EXPECT_GT(litPixels(1060, 60, 1260, 120), 300) << "the right rocket counter";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(WorldPictureGLTest, TheLaserBurnsIntoARock)
{
    Background::setOrientation(200.0, Vector(0.1, 1.0, -0.3));
    TestWorld test("Hard", false, 5);
    Asteroid* target = test.addAsteroid(2.5, 1, {0.4, -0.3, -11}, {0, 0, 0});
    test.addAsteroid(3.5, 2, {-9, 4, -26}, {0.1, 0, 0});
    test.addAsteroid(2.0, 0, {10, -3, -21}, {0, 0.1, 0});
    target->setSpin(6.0, Vector(0, 1, 0.2));
    test.run(0.2);
    test.ship()->startLaser();
    test.run(2.6);
    test.draw();
    EXPECT_FALSE(GLContext::writePng("world-laser").empty());
    EXPECT_TRUE(test.ship()->getLaserGun()->isFiring());
    EXPECT_LT(target->getLife(), target->getMaxLife());
    // The beam runs from the ship up the middle of the picture, red, to the rock.
    int red = 0;
    for (int y = 250; y < 420; ++y) {
        const GLContext::Rgb p = GLContext::pixel(640, y);
        red += p.r > 150 && p.g < 120;
    }
    EXPECT_GT(red, 20);
    // The ship flies towards the sun, yet its hull is not a black cut-out.
    EXPECT_GT(litPixels(560, 180, 720, 300, 45), 2000);
    test.ship()->stopLaser();
}
