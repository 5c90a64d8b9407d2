#pragma once
// ProjectileFactory: makes one projectile per request, each with the "Projectile" sound.
// Depends on Projectile and the game's sounds.
#include "scene/DynamicSceneObjectFactory.h"

class ProjectileFactory : public virtual DynamicSceneObjectFactory {
public:
    DynamicSceneObject* create() override;
};
