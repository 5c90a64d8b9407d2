// The tuning record and the difficulty levels: every game start begins from the defaults,
// and names are matched exactly.
#include "app/Level.h"

#include <gtest/gtest.h>

#include "app/GameManager.h"

namespace {
std::vector<int> countsOf(const Level& level)
{
    std::vector<int> counts;
    for (const AsteroidCount& row : level.asteroidCounts) counts.push_back(row.count);
    return counts;
}
}  // namespace

TEST(LevelTest, BeforeTheFirstGameTheRecordHoldsTheEasyValues)
{
    Level record;
    selectLevel(record, "default");
    EXPECT_EQ(record.worldHalfSize, 20.0);
    EXPECT_EQ(record.fadeMargin, 1.0);
    EXPECT_EQ(countsOf(record), (std::vector<int>{8, 5, 2}));
    EXPECT_EQ(record.shipLife, 24.0);
    EXPECT_EQ(record.projectileDamage, 3.0);
    EXPECT_EQ(record.maxAsteroidSize, 2.0);

    // The game's own record starts out the same way and is one object.
    EXPECT_EQ(&GameManager::currentLevel(), &GameManager::currentLevel());
    EXPECT_EQ(GameManager::currentLevel().asteroidCounts.size(), asteroidKinds().size());
}

TEST(LevelTest, EachLevelStartsFromTheDefaults)
{
    GameManager::selectLevel("Easy");
    GameManager::selectLevel("Hard");
    const Level& level = GameManager::currentLevel();
    EXPECT_EQ(countsOf(level), (std::vector<int>{12, 9, 4}));
    EXPECT_EQ(level.projectileDamage, 1.0) << "Easy's 3.0 must not survive into Hard";
    EXPECT_EQ(level.shipShield, 30.0);
    EXPECT_EQ(level.fadeMargin, 2.0);
    GameManager::selectLevel("Hard");
    EXPECT_EQ(countsOf(level), (std::vector<int>{12, 9, 4})) << "the same on a second start";

    GameManager::selectLevel("Medium");
    EXPECT_EQ(level.worldHalfSize, 30.0);
    EXPECT_EQ(level.fadeMargin, 1.5);
    EXPECT_EQ(level.projectileDamage, 2.0);
    EXPECT_EQ(level.shipEnergy, 40.0);

    GameManager::selectLevel("Impossible");
    EXPECT_EQ(countsOf(level), (std::vector<int>{15, 12, 7}));
    EXPECT_EQ(level.shipLife, 12.0);
    EXPECT_EQ(level.shipShield, 20.0);
    for (const std::string& name : levelNames()) {
        GameManager::selectLevel(name);
        ASSERT_EQ(level.asteroidCounts.size(), 3u);
        EXPECT_EQ(level.asteroidCounts[0].hardness, 1.0) << name;
        EXPECT_EQ(level.asteroidCounts[1].hardness, 1.75) << name;
        EXPECT_EQ(level.asteroidCounts[2].hardness, 2.5) << name;
    }
}

TEST(LevelTest, AnUnknownNameLeavesTheDefaults)
{
    for (const char* name : {"hard", "", "Nightmare"}) {
        Level record;
        record.worldHalfSize = 7;
        record.asteroidCounts.clear();
        selectLevel(record, name);
        EXPECT_EQ(record.worldHalfSize, 40.0) << name;
        EXPECT_EQ(record.fadeMargin, 2.0) << name;
        EXPECT_EQ(countsOf(record), (std::vector<int>{10, 10, 10})) << name;
        EXPECT_EQ(record.shipLife, 12.0) << name;
        EXPECT_EQ(record.shipShield, 23.0) << name;
    }
}
