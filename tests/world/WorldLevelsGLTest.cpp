// Every level's world as a game builds it: the level's rocks of each kind, clear of the ship's
// start and inside the cube. How the world runs is left to the tests of its rules.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "tests/support/TestWorld.h"

namespace {
struct LevelCase {
    const char* name;
    int counts[3];
    double halfSize;
};

void PrintTo(const LevelCase& level, std::ostream* out) { *out << level.name; }

class WorldLevelsGLTest : public ::testing::TestWithParam<LevelCase> {};
}  // namespace

TEST_P(WorldLevelsGLTest, TheLevelsRocksLieClearOfTheShipInsideTheCube)
{
    const LevelCase& level = GetParam();
    TestWorld test(level.name, true, 17);
    std::map<int, int> kinds;
    for (Asteroid* rock : Asteroid::registry()) {
        ++kinds[rock->getKind()];
        const Vector at = rock->getPosition();
        const double keepOut = (rock->getSize() * 0.9 + 0.5) * 1.2;
        EXPECT_GE(std::min({std::abs(at.x()), std::abs(at.y()), std::abs(at.z())}), keepOut - 1e-9);
        EXPECT_LE(std::max({std::abs(at.x()), std::abs(at.y()), std::abs(at.z())}), level.halfSize);
    }
    for (int kind = 0; kind < 3; ++kind) EXPECT_EQ(kinds[kind], level.counts[kind]) << kind;
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, WorldLevelsGLTest,
                         ::testing::Values(LevelCase{"Easy", {8, 5, 2}, 20.0}, LevelCase{"Medium", {10, 7, 3}, 30.0},
                                           LevelCase{"Hard", {12, 9, 4}, 40.0},
                                           LevelCase{"Impossible", {15, 12, 7}, 40.0}),
                         [](const auto& info) { return std::string(info.param.name); });
