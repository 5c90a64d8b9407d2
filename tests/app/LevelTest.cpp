// The difficulty levels by their relations: each level is harder than the one before in the
// values that make it so, and every start begins from the defaults, whatever came before.
#include "app/Level.h"

#include <gtest/gtest.h>

#include "app/GameManager.h"

namespace {
int rocks(const Level& level)
{
    int total = 0;
    for (const AsteroidCount& row : level.asteroidCounts) total += row.count;
    return total;
}
}  // namespace

TEST(LevelTest, EachLevelIsHarderThanTheOneBefore)
{
    const std::vector<std::string>& names = levelNames();
    ASSERT_EQ(names.front(), "Easy");
    Level previous;
    selectLevel(previous, names.front());
    for (std::size_t i = 1; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        Level level;
        selectLevel(level, names[i]);
        EXPECT_GT(rocks(level), rocks(previous));
        for (std::size_t kind = 0; kind < level.asteroidCounts.size(); ++kind)
            EXPECT_GE(level.asteroidCounts[kind].count, previous.asteroidCounts[kind].count);
        EXPECT_LT(level.shipLife, previous.shipLife);
        EXPECT_LT(level.shipShield, previous.shipShield);
        EXPECT_LT(level.shipEnergy, previous.shipEnergy);
        EXPECT_LE(level.projectileDamage, previous.projectileDamage);
        EXPECT_GE(level.worldHalfSize, previous.worldHalfSize);
        EXPECT_GE(level.maxAsteroidSize, previous.maxAsteroidSize);
        // The margin where rocks fade keeps its share of the cube.
        EXPECT_DOUBLE_EQ(level.fadeMargin / level.worldHalfSize, previous.fadeMargin / previous.worldHalfSize);
        previous = level;
    }
}

TEST(LevelTest, EveryStartBeginsFromTheDefaultsAndOnlyExactNamesSelect)
{
    // "default" is Easy: the record the game holds before its first game.
    Level easy, again;
    selectLevel(easy, "Easy");
    selectLevel(again, "default");
    EXPECT_EQ(rocks(again), rocks(easy));
    EXPECT_EQ(again.projectileDamage, easy.projectileDamage);

    // Easy's stronger guns must not survive into a level that keeps the default damage.
    Level hard, leftover;
    selectLevel(hard, "Hard");
    selectLevel(leftover, "Easy");
    selectLevel(leftover, "Hard");
    EXPECT_EQ(leftover.projectileDamage, hard.projectileDamage);
    EXPECT_EQ(rocks(leftover), rocks(hard));

    const Level defaults{};
    for (const char* name : {"hard", "", "Nightmare"}) {
        Level record;
        record.worldHalfSize = 7;
        record.asteroidCounts.clear();
        selectLevel(record, name);
        EXPECT_EQ(record.worldHalfSize, defaults.worldHalfSize) << name;
        EXPECT_EQ(rocks(record), rocks(defaults)) << name;
        EXPECT_EQ(record.shipLife, defaults.shipLife) << name;
    }
}
