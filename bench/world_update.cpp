// world_update: the world update alone (SpaceManager::update: the ship's control, the scene
// tree, the deferred pass with wrap-around and collisions, deletions) against the size of the
// world, as a Google Benchmark: the Impossible start, then its cube holding more rocks and a
// thousand long-lived clouds, each world updated a fixed number of times after a warm-up so
// that every run times the same stretch of the same game. Nothing is drawn and no window is
// made (the null platform, no GL context: GL calls go nowhere). Runs in the run folder, which
// holds the models. One size, as a profiler wants it: --benchmark_filter=worldUpdate/300/1000
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <iostream>
#include <memory>
#include <numeric>
#include <vector>

#include "app/ErrorReport.h"
#include "app/GameManager.h"
#include "app/Level.h"
#include "scene/SceneGraph.h"
#include "world/Asteroid.h"
#include "world/Random.h"
#include "world/Space.h"
#include "world/SpaceManager.h"
#include "world/WhiteCloudFactory.h"

namespace {
constexpr unsigned seed = 9;
constexpr double step = 1.0 / 60.0;
constexpr int warmUpUpdates = 30, measuredUpdates = 600;
constexpr double cloudLifetime = 3600.0;  // they outlive the run, so their number stays
constexpr double cloudScale = 0.3, cloudAlpha = 0.2, cloudDrift = 0.5;

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

// Arguments: rocks, clouds.
void worldUpdate(benchmark::State& state)
{
    selectLevelWith(static_cast<int>(state.range(0)));
    seedRandom(seed);
    auto manager = std::make_unique<SpaceManager>([] { return std::int64_t{0}; });
    addClouds(*manager->getWorld(), static_cast<int>(state.range(1)));
    double time = 0.0;
    for (int i = 0; i < warmUpUpdates; ++i) manager->update({time += step, step});
    for (auto _ : state) manager->update({time += step, step});
    state.counters["rocks after"] = static_cast<double>(Asteroid::registry().size());
}
BENCHMARK(worldUpdate)
    ->ArgNames({"rocks", "clouds"})
    ->Args({34, 0})
    ->Args({34, 1000})
    ->Args({100, 1000})
    ->Args({300, 1000})
    ->Iterations(measuredUpdates)
    ->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    runReportingErrors(
        [] {
            SceneGraph::getInstance();
            benchmark::RunSpecifiedBenchmarks();
        },
        std::cout);
    benchmark::Shutdown();
    GameManager::selectLevel("default");
    return 0;
}
