// The difficulty levels by their relations, and every start from the defaults.
#include "app/Level.h"

#include <gtest/gtest.h>

#include <tuple>

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
    const auto tuned = [](const Level& l) {
        return std::tuple(rocks(l), l.worldHalfSize, l.maxAsteroidSize, l.shipLife, l.shipShield, l.shipEnergy,
                          l.projectileDamage);
    };
    Level easy, hard;
    selectLevel(easy, "Easy");
    selectLevel(hard, "Hard");
    const struct {
        std::vector<std::string> names;  // selected in turn on a record left in disorder
        Level like;
    } cases[] = {
        {{"default"}, easy},       // the record the game holds before its first game
        {{"Easy", "Hard"}, hard},  // Easy's stronger guns must not survive into Hard
        {{"Hard", "hard"}, Level{}},
        {{"Nightmare"}, Level{}},
    };
    for (const auto& [names, like] : cases) {
        Level record;
        record.worldHalfSize = 7;
        record.asteroidCounts.clear();
        for (const std::string& name : names) selectLevel(record, name);
        EXPECT_EQ(tuned(record), tuned(like)) << names.back();
    }
}
