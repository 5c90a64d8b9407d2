// world_update: the world update alone (SpaceManager::update: the ship's control, the scene
// tree, the deferred pass with wrap-around and collisions, deletions) against the size of the
// world: the Impossible start, then its cube holding more rocks and a thousand long-lived
// clouds. Nothing is drawn and no window is made (the null platform, no GL context: GL calls
// go nowhere). Runs in the run folder, which holds the models.
// Usage: world_update [rocks clouds [updates]]: one size only, as a profiler wants it.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <memory>
#include <numeric>
#include <vector>

#include "app/ErrorReport.h"
#include "app/GameManager.h"
#include "app/Level.h"
#include "bench/TimingSeries.h"
#include "scene/SceneGraph.h"
#include "world/Asteroid.h"
#include "world/Random.h"
#include "world/Space.h"
#include "world/SpaceManager.h"
#include "world/WhiteCloudFactory.h"

namespace {
using Clock = std::chrono::steady_clock;

constexpr unsigned seed = 9;
constexpr double step = 1.0 / 60.0;
constexpr int warmUpUpdates = 30, defaultUpdates = 600;
constexpr double cloudLifetime = 3600.0;  // they outlive the run, so their number stays
constexpr double cloudScale = 0.3, cloudAlpha = 0.2, cloudDrift = 0.5;

struct WorldSize {
    int rocks;
    int clouds;
};
constexpr WorldSize sizes[] = {{34, 0}, {34, 1000}, {100, 1000}, {300, 1000}};

// The Impossible level with its rock counts scaled to `rocks` in all, in the same proportions.
void selectLevelWith(int rocks)
{
    GameManager::selectLevel("Impossible");
    std::vector<AsteroidCount>& counts = GameManager::currentLevel().asteroidCounts;
    const int levelRocks = std::accumulate(counts.begin(), counts.end(), 0,
                                           [](int sum, const AsteroidCount& row) { return sum + row.count; });
    int left = rocks;
    for (std::size_t k = 0; k + 1 < counts.size(); ++k) {
        counts[k].count = static_cast<int>(std::lround(static_cast<double>(counts[k].count) * rocks / levelRocks));
        left -= counts[k].count;
    }
    counts.back().count = left;
}

void addClouds(Space& world, int clouds)
{
    const double half = GameManager::currentLevel().worldHalfSize;
    WhiteCloudFactory factory;
    factory.setLifetime(cloudLifetime);
    factory.setScale(cloudScale);
    factory.setAlpha(cloudAlpha);
    for (int i = 0; i < clouds; ++i) {
        Cloud* cloud = factory.makeCloud();
        cloud->setPosition(randomBoxVector(-half, half));
        cloud->setVelocity(randomBoxVector(-cloudDrift, cloudDrift));
        world.addChild(cloud);
    }
}

void measure(const WorldSize& size, int measuredUpdates)
{
    selectLevelWith(size.rocks);
    seedRandom(seed);
    auto manager = std::make_unique<SpaceManager>([] { return std::int64_t{0}; });
    addClouds(*manager->getWorld(), size.clouds);
    double time = 0.0;
    for (int i = 0; i < warmUpUpdates; ++i) manager->update({time += step, step});
    TimingSeries updates;
    for (int i = 0; i < measuredUpdates; ++i) {
        const Clock::time_point start = Clock::now();
        manager->update({time += step, step});
        updates.add(Clock::now() - start);
    }
    std::printf("%5d rocks %5d clouds %10.3f %8.3f %12zu\n", size.rocks, size.clouds, updates.median(),
                updates.percentile(0.95), Asteroid::registry().size());
    manager.reset();
}
}  // namespace

int main(int argc, char** argv)
{
    std::vector<WorldSize> chosen(std::begin(sizes), std::end(sizes));
    if (argc >= 3) chosen = {{std::atoi(argv[1]), std::atoi(argv[2])}};
    const int updates = argc >= 4 ? std::max(std::atoi(argv[3]), 1) : defaultUpdates;
    runReportingErrors(
        [&] {
            SceneGraph::getInstance();
            std::printf("world update, %d updates of 1/60 s after %d to warm up\n", updates, warmUpUpdates);
            std::printf("%24s %10s %8s %12s\n", "", "median", "p95", "rocks after");
            for (const WorldSize& size : chosen) measure(size, updates);
            std::printf("(ms per update)\n\n");
        },
        std::cout);
    GameManager::selectLevel("default");
    return 0;
}
