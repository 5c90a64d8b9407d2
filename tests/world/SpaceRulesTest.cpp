// The rules of the world's cube without a world: wrapping a coordinate around, the fading
// towards the faces, and the octant bag that sends fragments apart.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "world/Asteroid.h"
#include "world/Random.h"
#include "world/Space.h"

namespace {
// Stepping back a cube width at a time, as far as it takes.
double wrapByWidths(double value, double half)
{
    while (std::abs(value) > half) value += value >= 0 ? -2 * half : 2 * half;
    return value;
}
}  // namespace

TEST(SpaceRulesTest, ACoordinateThatLeftTheCubeComesBackOnTheOtherSide)
{
    const double h = 40;
    EXPECT_NEAR(Space::wrapCoordinate(h + 0.1, h), 0.1 - h, 1e-12);
    EXPECT_NEAR(Space::wrapCoordinate(-h - 0.1, h), h - 0.1, 1e-12);
    EXPECT_NEAR(Space::wrapCoordinate(3.5 * h, h), -0.5 * h, 1e-12) << "after a long frame";
    EXPECT_EQ(Space::wrapCoordinate(h, h), h) << "on the face it stays";
    EXPECT_EQ(Space::wrapCoordinate(-h, h), -h);
    EXPECT_EQ(Space::wrapCoordinate(12.5, h), 12.5);
    seedRandom(3);
    for (int i = 0; i < 2000; ++i) {
        const double value = randomDouble(-9 * h, 9 * h);
        EXPECT_NEAR(Space::wrapCoordinate(value, h), wrapByWidths(value, h), 1e-9) << value;
    }
    for (double k : {3.0, 5.0, -3.0}) EXPECT_EQ(Space::wrapCoordinate(k * h, h), wrapByWidths(k * h, h)) << k;
}

TEST(SpaceRulesTest, HugeAndBrokenCoordinatesAreBroughtBackAtOnce)
{
    const double h = 20;
    for (double value : {1e300, -1e300, 7e15, -3.3e200}) {
        const double wrapped = Space::wrapCoordinate(value, h);
        EXPECT_LE(std::abs(wrapped), h) << value;
    }
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Space::wrapCoordinate(infinity, h), h);
    EXPECT_EQ(Space::wrapCoordinate(-infinity, h), -h);
    EXPECT_EQ(Space::wrapCoordinate(std::numeric_limits<double>::quiet_NaN(), h), h);
}

TEST(SpaceRulesTest, RocksFadeOutTowardsTheFaces)
{
    const double h = 40, margin = 2;
    EXPECT_EQ(Space::fadeAlpha({0, 0, 0}, h, margin), 1.0);
    EXPECT_EQ(Space::fadeAlpha({38, -38, 10}, h, margin), 1.0) << "the inner cube is opaque";
    EXPECT_DOUBLE_EQ(Space::fadeAlpha({0, 39, 0}, h, margin), 0.5);
    EXPECT_DOUBLE_EQ(Space::fadeAlpha({39.5, -39, 0}, h, margin), 0.25) << "the axis nearest its face counts";
    EXPECT_EQ(Space::fadeAlpha({0, 0, -40}, h, margin), 0.0) << "on a face it is invisible";
    EXPECT_EQ(Space::fadeAlpha({0, 0, 41}, h, 0.0), 0.0) << "without a margin there is no fade, and no NaN";
    EXPECT_EQ(Space::fadeAlpha({0, 0, 40}, h, 0.0), 1.0);
}

TEST(SpaceRulesTest, TheOctantBagHoldsEveryOctantOnce)
{
    seedRandom(5);
    std::set<std::vector<int>> orders;
    for (int i = 0; i < 50; ++i) {
        const std::vector<int> bag = Asteroid::shuffledOctants();
        EXPECT_EQ(std::set<int>(bag.begin(), bag.end()), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        EXPECT_EQ(bag.size(), 8u);
        orders.insert(bag);
    }
    EXPECT_GT(orders.size(), 40u) << "shuffled anew each time";
    std::set<std::tuple<double, double, double>> signs;
    for (int octant = 0; octant < 8; ++octant) {
        const Vector s = Asteroid::octantSigns(octant);
        signs.insert({s.x(), s.y(), s.z()});
    }
    EXPECT_EQ(signs.size(), 8u);
    EXPECT_EQ(Asteroid::octantSigns(0).x(), 1.0);
    EXPECT_EQ(Asteroid::octantSigns(6).z(), 1.0);
    EXPECT_EQ(Asteroid::octantSigns(6).y(), -1.0);
}
