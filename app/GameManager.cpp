#include "app/GameManager.h"

#include "app/Level.h"

#include <cmath>

#include "scene/CalculateAlways.h"
#include "scene/GameError.h"
#include "scene/Platform.h"
#include "scene/SceneObject.h"
#include "sound/SoundSystem.h"

namespace {
GameManager* singleton = nullptr;
constexpr double viewConeAngle = 45.0;
}  // namespace

void GameManager::initialize(int* argc, char** argv)
{
    if (singleton == nullptr) singleton = new GameManager(argc, argv);
}

GameManager* GameManager::getInstance()
{
    if (singleton == nullptr) throw GameError("GameManager not yet initialized");
    return singleton;
}

void GameManager::run()
{
    if (singleton != nullptr) Platform::get().runMainLoop();
}

Level& GameManager::currentLevel()
{
    static Level* level = [] {
        auto* record = new Level;
        ::selectLevel(*record, "default");
        return record;
    }();
    return *level;
}

void GameManager::selectLevel(const std::string& name) { ::selectLevel(currentLevel(), name); }

GameManager::GameManager(int* argc, char** argv)
{
    Platform::get().createWindow(argc, argv);
    SceneObject::setViewConeAngle(viewConeAngle);
}

void GameManager::frame()
{
    const double now = timer_.getTimeSinceCreation();
    CalculateAlways::calculateAll({now, now - lastRealTime_});
    SoundSystem::update();  // refills the music streams after this frame's volume changes
    lastRealTime_ = now;
}

void GameManager::addScore(double points)
{
    if (state_ != GameState::Running) return;
    score_ += static_cast<int>(std::floor(points) * currentLevel().scoreFactor);
}
