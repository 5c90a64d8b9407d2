#include "world/RocketFactory.h"

#include "sound/GameSounds.h"
#include "world/Rocket.h"

DynamicSceneObject* RocketFactory::create()
{
    rocketSample().play();
    return new Rocket(target_, world_);
}
