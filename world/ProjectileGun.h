#pragma once
// ProjectileGun: the ship's twin guns, a pair of muzzle emitters used in turn. While the fire
// button is held it fires one projectile every projectileInterval seconds, as long as the
// ship can pay projectileEnergy for it; the time between shots keeps running while the button
// is up, so the first shot after a press leaves at the next update.
// Depends on SceneObjectEmitterPair, ProjectileFactory, SpaceShip (energy), Level.
#include <memory>

#include "scene/Scene.h"
#include "world/ProjectileFactory.h"
#include "world/SceneObjectEmitterPair.h"

class SpaceShip;

class ProjectileGun : public virtual SceneObjectEmitterPair, public virtual Scene {
public:
    // Muzzles at `first` and `second` in the gun's coordinates; projectiles go into `world`.
    ProjectileGun(const Vector& first, const Vector& second, SpaceShip* ship, Scene* world);

    virtual void startFiring() { firing_ = true; }
    virtual void stopFiring() { firing_ = false; }
    bool isFiring() const { return firing_; }
    double getCooldown() const { return cooldown_; }

    // Moves the gun and its muzzles, then fires when the time and the energy allow.
    void calculate(TimeStep step) override;
    void draw() override
    {
        DynamicSceneObject::draw();
        Scene::draw();
    }

private:
    bool firing_ = false;
    SpaceShip* ship_;
    std::unique_ptr<ProjectileFactory> projectileFactory_;
    double cooldown_ = 0.0;
};
