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
    const double h = 40, infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, double> wraps[] = {
        {h + 0.5, 0.5 - h},
        {-h - 0.5, h - 0.5},
        {3.5 * h, -0.5 * h},  // a long frame
        {h, h},
        {-h, -h},
        {12.5, 12.5},  // on a face it stays
        {infinity, h},
        {-infinity, -h},
        {std::nan(""), h},  // broken: at once
    };
    for (const auto& [value, wrapped] : wraps) EXPECT_EQ(Space::wrapCoordinate(value, h), wrapped) << value;
    for (double huge : {1e300, -1e300, 7e15, -3.3e200}) EXPECT_LE(std::abs(Space::wrapCoordinate(huge, h)), h) << huge;
    seedRandom(3);
    for (int i = 0; i < 2000; ++i) {
        const double value = i < 3 ? (2 * i + 3) * h : randomDouble(-9 * h, 9 * h);
        EXPECT_NEAR(Space::wrapCoordinate(value, h), wrapByWidths(value, h), 1e-9) << value;
    }
}

TEST(SpaceRulesTest, RocksFadeOutTowardsTheFaces)
{
    struct Case {
        Vector at;
        double margin, alpha;
    };
    for (const Case& c : {Case{{0, 0, 0}, 2, 1.0}, Case{{38, -38, 10}, 2, 1.0},     // the inner cube is opaque
                          Case{{0, 39, 0}, 2, 0.5}, Case{{39.5, -39, 0}, 2, 0.25},  // the axis nearest its face
                          Case{{0, 0, -40}, 2, 0.0},                                // invisible on a face
                          Case{{0, 0, 41}, 0, 0.0}, Case{{0, 0, 40}, 0, 1.0}}) {    // no margin: no fade, no NaN
        EXPECT_DOUBLE_EQ(Space::fadeAlpha(c.at, 40, c.margin), c.alpha) << c.at.x() << ' ' << c.at.y();
    }
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
