#include "app/Level.h"

#include <optional>

namespace {
// What sets one difficulty apart from the defaults.
struct Difficulty {
    double worldHalfSize;
    int counts[3];
    double maxAsteroidSize;
    double shipLife;
    double shipShieldAndEnergy;
    std::optional<double> projectileDamage;  // none: the default stays
};

// In the order of levelNames().
constexpr Difficulty difficulties[] = {
    {20.0, {8, 5, 2}, 2.0, 24.0, 50.0, 3.0},
    {30.0, {10, 7, 3}, 3.0, 20.0, 40.0, 2.0},
    {40.0, {12, 9, 4}, 4.0, 16.0, 30.0, std::nullopt},
    {40.0, {15, 12, 7}, 4.0, 12.0, 20.0, std::nullopt},
};

void apply(Level& level, const Difficulty& difficulty)
{
    level.worldHalfSize = difficulty.worldHalfSize;
    if (difficulty.projectileDamage) level.projectileDamage = *difficulty.projectileDamage;
    for (std::size_t k = 0; k < level.asteroidCounts.size() && k < 3; ++k)
        level.asteroidCounts[k].count = difficulty.counts[k];
    level.shipLife = difficulty.shipLife;
    level.shipShield = difficulty.shipShieldAndEnergy;
    level.shipEnergy = difficulty.shipShieldAndEnergy;
    level.maxAsteroidSize = difficulty.maxAsteroidSize;
    level.minAsteroidSize = 0.5;
    level.minInitialAsteroidSize = 1.0;
}
}  // namespace

std::vector<AsteroidCount> defaultAsteroidCounts()
{
    static constexpr double hardness[] = {1.0, 1.75, 2.5};
    std::vector<AsteroidCount> counts(asteroidKinds().size());
    for (std::size_t k = 0; k < counts.size(); ++k) counts[k] = {10, hardness[k % 3]};
    return counts;
}

void selectLevel(Level& level, const std::string& name)
{
    level = Level{};
    const std::vector<std::string>& names = levelNames();
    const std::string& chosen = name == "default" ? names.front() : name;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == chosen) apply(level, difficulties[i]);
    }
    level.fadeMargin = level.worldHalfSize / 20.0;
}

const std::vector<std::string>& levelNames()
{
    static const auto* names = new std::vector<std::string>{"Easy", "Medium", "Hard", "Impossible"};
    return *names;
}

const std::vector<AsteroidKind>& asteroidKinds()
{
    static const auto* kinds = new std::vector<AsteroidKind>{
        {"Asteroid1", Color(0.44921875, 0.2578125, 0.19140625, 1.0)},
        {"Asteroid2", Color(0.515625, 0.47265625, 0.4765625, 1.0)},
        {"Asteroid3", Color(0.3359375, 0.296875, 0.18359375, 1.0)},
    };
    return *kinds;
}
