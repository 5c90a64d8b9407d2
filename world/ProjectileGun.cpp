#include "world/ProjectileGun.h"

#include "app/GameManager.h"
#include "app/Level.h"
#include "world/SpaceShip.h"

ProjectileGun::ProjectileGun(const Vector& first, const Vector& second, SpaceShip* ship, Scene* world)
    : SceneObjectEmitter(nullptr, nullptr), ship_(ship), projectileFactory_(std::make_unique<ProjectileFactory>())
{
    addEmitters(this, first, second, projectileFactory_.get());
    setTargetScene(world);
    setAlignRotation(false);
    setEmissionVelocity(0.0, 0.0, -GameManager::currentLevel().projectileSpeed);
}

void ProjectileGun::calculate(TimeStep step)
{
    DynamicSceneObject::calculate(step);
    Scene::calculate(step);
    const Level& level = GameManager::currentLevel();
    cooldown_ -= step.delta;
    // A muzzle that cannot release a shot yet (the first frame of a game) costs nothing.
    if (cooldown_ > 0.0 || !firing_ || ship_ == nullptr || !isReady() || !ship_->hasEnergy(level.projectileEnergy))
        return;
    ship_->useEnergy(level.projectileEnergy);
    emit(1);
    cooldown_ = level.projectileInterval;
}
