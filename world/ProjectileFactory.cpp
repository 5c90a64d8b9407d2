#include "world/ProjectileFactory.h"

#include "sound/GameSounds.h"
#include "world/Projectile.h"

DynamicSceneObject* ProjectileFactory::create()
{
    projectileSample().play();
    return new Projectile;
}
