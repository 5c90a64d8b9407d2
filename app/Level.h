#pragma once
// Level: the one record of tuning values of a game: the world's size, the asteroids' numbers,
// sizes and speeds, the ship's limits, the weapons and the effects. World objects read it
// through GameManager::currentLevel() when they are made or when they compute; nothing keeps
// a copy. Every game start resets it to the defaults below and applies the chosen difficulty
// (selectLevel); the four difficulties change only the world size, the asteroid counts and
// largest size, the ship's life, shield and energy, and the projectile damage.
// Also the two static tables: the level names and the asteroid kinds (row k of the kinds
// goes with row k of asteroidCounts). Depends on Color.
#include <string>
#include <vector>

#include "scene/Color.h"

struct AsteroidCount {
    int count = 0;
    double hardness = 1.0;
};

struct AsteroidKind {
    std::string modelName;
    Color color;
};

// The settings of a vapor trail's clouds.
struct VaporTrail {
    double cloudAlpha = 0.0;
    double cloudScale = 0.0;
    double cloudGrowth = 0.0;
    double cloudLifetime = 0.0;
};

// The cloud left where a destroyed asteroid was: its alpha is the asteroid's times
// alphaFactor, its scale and growth are proportional to the asteroid's size.
struct ExplosionCloud {
    double alphaFactor = 0.6;
    double scalePerSize = 1.5;
    double growthPerSize = 0.2;
    double lifetime = 5.0;
};

// The dust around a destroyed asteroid: each value is base + spread * r with r random in
// [-0.5, 0.5) (the alpha spread is scaled by the asteroid's alpha, scale and growth by its
// size).
struct DustCloud {
    double alphaBase = 0.2;
    double alphaSpread = 0.1;
    double scaleBase = 0.2;
    double scaleSpread = 0.5;
    double growthBase = 0.2;
    double growthSpread = 0.1;
    double lifetimeBase = 2.0;
    double lifetimeSpread = 1.0;
};

// How many dust clouds: base, plus about perMissingFragment (varied by spread) for every
// fragment too small to be made.
struct DustCount {
    double base = 20.0;
    double perMissingFragment = 5.0;
    double spread = 1.0;
};

// The asteroid counts of the defaults: ten of each kind, harder kinds further down.
std::vector<AsteroidCount> defaultAsteroidCounts();

struct Level {
    double worldHalfSize = 40.0;
    double fadeMargin = 40.0 / 20.0;  // always worldHalfSize / 20 after selectLevel
    std::vector<AsteroidCount> asteroidCounts = defaultAsteroidCounts();
    double maxAsteroidSize = 4.0;
    double minAsteroidSize = 0.5;
    double minInitialAsteroidSize = 1.0;
    ExplosionCloud explosionCloud;
    DustCloud dustCloud;
    DustCount dustCount;
    double dustPositionFactor = 0.5;
    double dustVelocityFactor = 2.0;
    double asteroidRadiusFactor = 0.9;
    double asteroidLifePerSize = 15.0;
    double asteroidLifeBase = 0.0;
    double asteroidMassPerSize = 1.0;
    double asteroidMassBase = 0.0;
    double asteroidSpinPerSize = -90.0;
    double asteroidSpinBase = 450.0;
    double asteroidSpeedPerSize = -0.5;
    double asteroidSpeedBase = 2.5;
    double shipRadiusFactor = 0.5;
    double maxForwardSpeed = 4.0;
    double maxBackwardSpeed = 0.5;
    double forwardAcceleration = 1.0;
    double backwardAcceleration = 1.0;
    double maxStrafeSpeed = 1.0;
    double strafeAcceleration = 2.0;
    double steeringRate = 90.0;
    double steeringResponse = 360.0;
    double shipLife = 12.0;
    double shipHardness = 10.0;
    double shipShield = 23.0;
    double shieldRegeneration = 1.0;
    double shipEnergy = 20.0;
    double energyRegeneration = 6.0;
    double shipMass = 1.5;
    int rocketCount = 32;
    VaporTrail shipTrail{0.2, 0.1, 0.15, 1.0};
    double projectileRadius = 0.0875;
    double projectileSpeed = 15.0;
    double projectileLifetime = 3.0;
    double projectileInterval = 0.1;
    Color projectileColor{1, 1, 0, 1};
    double projectileDamage = 1.0;
    double projectileEnergy = 2.0;
    double projectileMass = 0.001;
    double rocketRadiusFactor = 0.2;
    double rocketLaunchSpeed = 5.0;
    double rocketLifetime = 5.0;
    double rocketReloadTime = 3.0;
    double rocketDamage = 25.0;
    double rocketThrust = 3.0;
    double rocketMaxSpeed = 10.0;
    double rocketTurnRate = 60.0;
    VaporTrail rocketTrail{0.1, 0.1, 0.05, 2.0};
    double rocketMass = 0.1;
    double laserRange = 20.0;
    double laserWidth = 0.1;
    Color laserColor{1, 0, 0, 1};
    double laserDamage = 8.0;
    double laserEnergy = 10.0;
    float laserWarmup = 2.0f;
    double scoreFactor = 100.0;
};

// Resets every field of `level` to its default, then applies the named difficulty: one of
// levelNames(), or "default" for the first of them. Names are compared exactly; any other
// name leaves the defaults. fadeMargin always ends as worldHalfSize / 20.
void selectLevel(Level& level, const std::string& name);

// "Easy", "Medium", "Hard", "Impossible"; the first is selected at start.
const std::vector<std::string>& levelNames();
// ("Asteroid1", reddish brown), ("Asteroid2", grey), ("Asteroid3", olive brown).
const std::vector<AsteroidKind>& asteroidKinds();
