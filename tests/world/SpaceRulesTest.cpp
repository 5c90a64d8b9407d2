// The rules of the world's cube without a world: wrapping a coordinate around, the fading
// towards the faces, and the octant bag that sends fragments apart.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "world/Asteroid.h"
#include "world/Random.h"
#include "world/Space.h"

TEST(SpaceRulesTest, ACoordinateThatLeftTheCubeComesBackOnTheOtherSide)
{
    const double h = 40, infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, double> wraps[] = {
        {h + 0.5, 0.5 - h}, {3.5 * h, -0.5 * h},  // a long frame
        {-h, -h},                                 // on a face it stays
        {-infinity, -h},    {std::nan(""), h},    // broken: at once
    };
    for (const auto& [value, wrapped] : wraps) EXPECT_EQ(Space::wrapCoordinate(value, h), wrapped) << value;
    for (double huge : {1e300, -1e300, 7e15, -3.3e200}) EXPECT_LE(std::abs(Space::wrapCoordinate(huge, h)), h) << huge;
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
}
