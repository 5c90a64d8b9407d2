// Asteroids in a running world: their size rules, being hit, scoring, splitting into
// fragments, the dust explosion, selection, and winning when the last rock is gone.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "overlay/TargetPointer.h"
#include "tests/support/Expect.h"
#include "tests/support/TestWorld.h"
#include "world/ColorCloudFactory.h"
#include "world/Projectile.h"
#include "world/Rocket.h"

namespace {
std::vector<Asteroid*> asteroids() { return Asteroid::registry().snapshot(); }

int colorClouds(Space* world)
{
    int count = 0;
    for (SceneObject* child : world->getChildren())
        count += dynamic_cast<ColorCloudFactory::ColorCloud*>(child) != nullptr;
    return count;
}
}  // namespace

TEST(AsteroidGLTest, SizeSetsLifeMassSpeedAndSpinAndTheirLimits)
{
    TestWorld test("Hard");
    struct Size {
        double size, life, mass, maxSpeed, maxSpin;
    };
    for (const Size& s : {Size{1.0, 15, 1, 2, 360}, Size{4.0, 60, 4, 0.5, 90}}) {
        Asteroid* rock = test.addAsteroid(s.size, 2, {10, 10, 5 * s.size});
        EXPECT_EQ(rock->getLife(), s.life) << s.size;
        EXPECT_EQ(rock->getMass(), s.mass) << s.size;
        EXPECT_EQ(rock->getMaxSpeed(), s.maxSpeed) << s.size;
        EXPECT_EQ(rock->getMaxSpin(), s.maxSpin) << s.size;
        EXPECT_NEAR(rock->getCollisionRadius(), 0.9 * s.size, 1e-12) << s.size;
    }
    Asteroid* medium = test.addAsteroid(2.0, 1, {10, -10, 10});
    medium->setVelocity(Vector(6, 0, 8));
    EXPECT_NEAR(medium->getVelocity().length(), 1.5, 1e-12);
    EXPECT_NEAR(medium->getVelocity().x(), 0.9, 1e-12) << "same direction";
    medium->setVelocity(Vector(std::numeric_limits<double>::infinity(), 0, 0));
    EXPECT_FALSE(medium->isMoving()) << "a broken velocity stops it";
    medium->setSpin(-1000.0, Vector(0, 1, 0));
    EXPECT_EQ(medium->getSpinSpeed(), -270.0);

    for (double size : {0.49, 4.01}) EXPECT_GAME_ERROR(Asteroid(size, 0, 0.0), "Permitted asteroid size got");
    EXPECT_EQ(asteroids().size(), 3u) << "a rejected rock leaves nothing behind";
}

TEST(AsteroidGLTest, HitsCostLifeAndOnlyKillsNotMadeByRocksScore)
{
    TestWorld test("Hard");
    PointsSpy points;
    Asteroid* a = test.addAsteroid(2.0, 1, {10, 10, 10});
    Asteroid* b = test.addAsteroid(2.0, 1, {-10, 10, 10});
    a->onCollision(b, {10, 10, 9}, 10.0);
    EXPECT_EQ(a->getLife(), 20.0);
    EXPECT_FALSE(a->getLifeBeam()->isActive()) << "a rock's bump is not shown";
    a->onCollision(b, {10, 10, 9}, 25.0);
    EXPECT_TRUE(a->isDestroyedByDamage());
    b->onCollision(a, {-10, 10, 9}, 40.0);
    EXPECT_TRUE(points.reported.empty()) << "rocks that destroy each other give no score";
    EXPECT_FALSE(a->isCollidable());
    EXPECT_FALSE(a->isSelectable());
    EXPECT_EQ(a->getLifeBeam(), nullptr);

    Asteroid* c = test.addAsteroid(2.0, 2, {10, -10, 10});
    c->onCollision(test.ship(), {10, -10, 9}, 5.0);
    test.frame();
    EXPECT_TRUE(c->getLifeBeam()->isActive()) << "shown after a hit by the player";
    EXPECT_NEAR(c->getLifeBeam()->getLife(), 25.0 / 30.0, 1e-12);
    wreck(c, test.ship());
    ASSERT_EQ(points.reported.size(), 1u);
    EXPECT_EQ(points.reported[0], 2.5 * 30.0) << "hardness times full life";
    wreck(c, test.ship());
    EXPECT_EQ(points.reported.size(), 1u) << "a wreck scores once";
}

TEST(AsteroidGLTest, AWreckSplitsIntoThreeToFiveNumberedFragmentsInDifferentOctants)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        TestWorld test("Hard", false, seed);  // rocks are numbered from 1 in every world
        Asteroid* rock = test.addAsteroid(4.0, 0, {10, 10, -10}, {0.3, 0, 0});
        Asteroid* other = test.addAsteroid(4.0, 0, {-10, 10, -10});
        wreck(rock, test.ship());
        test.frame();
        std::vector<Asteroid*> fragments = asteroids();
        ASSERT_EQ(fragments.front(), other);
        fragments.erase(fragments.begin());
        EXPECT_EQ(Asteroid::withNumber(1), nullptr) << "a wreck is no longer in play";
        EXPECT_EQ(Asteroid::withNumber(2), other);
        for (std::size_t i = 0; i < fragments.size(); ++i) EXPECT_EQ(Asteroid::withNumber(i + 3), fragments[i]);
        ASSERT_GE(fragments.size(), 3u) << seed;
        ASSERT_LE(fragments.size(), 5u) << seed;
        std::set<std::tuple<bool, bool, bool>> octants;
        for (Asteroid* fragment : fragments) {
            const Vector offset = fragment->getPosition() - rock->getPosition();
            octants.insert({offset.x() > 0, offset.y() > 0, offset.z() > 0});
            EXPECT_GE(fragment->getSize(), 0.8 - 1e-9);
            EXPECT_LE(fragment->getSize(), 2.0 + 1e-9);
            EXPECT_FALSE(fragment->isCollidable()) << "in its grace time";
            EXPECT_EQ(fragment->getKind(), 0);
            const Vector away = fragment->getVelocity() - Vector(0.3, 0, 0);
            EXPECT_GT(away.dot(offset), 0.0) << "flung outward";
        }
        EXPECT_EQ(octants.size(), fragments.size()) << "each in an octant of its own";
        EXPECT_EQ(colorClouds(test.world()), 1 + 20) << "explosion and dust; no fragment missing";

        // Collidable in the first frame in which the grace time is used up.
        test.run(1.5 - 1.0 / 60, 1.0 / 60);
        EXPECT_FALSE(fragments[0]->isCollidable());
        test.frame(1.0 / 60 + 1e-9);
        EXPECT_TRUE(fragments[0]->isCollidable());
    }
}

TEST(AsteroidGLTest, APartialSplitMakesTheFragmentsLargeEnoughAndDustForTheRest)
{
    // Fragments are a fifth to a half of the rock: of a rock of 1.6 about five in eight reach
    // the smallest size, of one of 0.6 none. Without spread, the dust is the base and so much
    // per missing fragment.
    int made = 0, partial = 0;
    for (unsigned seed = 1; seed <= 44; ++seed) {
        TestWorld test("Hard", false, seed);
        Level& level = GameManager::currentLevel();
        level.dustCount.spread = 0.0;
        Asteroid* rock = test.addAsteroid(seed > 40 ? 0.6 : 1.6, 1, {10, 10, -10});
        wreck(rock, test.ship());
        test.frame();
        int fragments = 0;
        for (Asteroid* fragment : asteroids()) {
            if (fragment == rock) continue;
            EXPECT_GE(fragment->getSize(), level.minAsteroidSize);
            ++fragments;
        }
        const double missing =
            (colorClouds(test.world()) - 1 - level.dustCount.base) / level.dustCount.perMissingFragment;
        ASSERT_EQ(missing, std::round(missing)) << seed;
        EXPECT_GE(fragments + missing, 3) << seed;
        EXPECT_LE(fragments + missing, 5) << seed;
        made += fragments;
        partial += fragments > 0 && missing > 0;
    }
    EXPECT_GT(partial, 10);
    EXPECT_GT(made, 80) << "a fragment too small must not end the split: about 2.5 made of each rock";
}

TEST(AsteroidGLTest, TheGameIsWonOnceInTheFrameAfterTheLastRockButNotWhileFragmentsFly)
{
    for (bool vanishing : {false, true}) {
        TestWorld test("Hard");
        GameEventSpy events;
        Asteroid* big = test.addAsteroid(4.0, 0, {10, 10, -10});
        wreck(big, test.ship());
        test.run(0.5);
        EXPECT_EQ(events.count(GameWon), 0) << "its fragments fly on";
        for (Asteroid* a : asteroids()) a->destroy();  // cleared away, not destroyed by damage
        Asteroid* last = test.addAsteroid(0.6, 0, {10, -10, -10});
        test.frame();
        wreck(last, test.ship());
        if (vanishing) test.world()->destroy();  // the game ends before the next frame
        test.frame();
        EXPECT_EQ(events.count(GameWon), vanishing ? 0 : 1) << "the frame after the last rock";
        if (vanishing) continue;
        // The wreck fades out over 0.3 s, drawn over everything, and then it is gone.
        EXPECT_NEAR(last->getAlpha(), 1.0 - (1.0 / 60) / 0.3, 1e-9);
        test.run(0.25);
        EXPECT_GT(last->getAlpha(), 0.0);
        const std::size_t before = SceneObject::liveObjects().size();
        test.run(0.1);
        EXPECT_LT(SceneObject::liveObjects().size(), before);
        test.run(2.0);
        EXPECT_EQ(events.count(GameWon), 1) << "once";
    }
}

TEST(AsteroidGLTest, SelectionShowsAPointerAndAMarkerUntilUnselectedOrWrecked)
{
    TestWorld test("Easy");
    Asteroid* rock = test.addAsteroid(1.5, 2, {2, 0, -12}, {1, 0, 0});
    test.frame();
    rock->setSelected(true);
    TargetPointer* pointer = rock->getTargetPointer();
    ASSERT_NE(pointer, nullptr);
    EXPECT_TRUE(rock->getSelectionMarker()->isActive());
    rock->setSelected(true);
    EXPECT_EQ(rock->getTargetPointer(), pointer) << "selecting again changes nothing";
    rock->setSelected(false);
    EXPECT_FALSE(rock->getSelectionMarker()->isActive());
    EXPECT_TRUE(pointer->isDestroyed());

    rock->setSelected(true);
    pointer = rock->getTargetPointer();
    wreck(rock, test.ship());
    EXPECT_EQ(rock->getTargetPointer(), nullptr);
    EXPECT_TRUE(pointer->isDestroyed());
    rock->setSelected(true);
    EXPECT_EQ(rock->getTargetPointer(), nullptr) << "a wreck cannot be selected";
    test.run(1.0);
}
