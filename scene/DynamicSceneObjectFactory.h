#pragma once
// DynamicSceneObjectFactory: makes one new moving object on request (projectiles, rockets,
// clouds); the emitters and guns release what it makes. The caller owns the new object.
#include "scene/DynamicSceneObject.h"

class DynamicSceneObjectFactory {
public:
    virtual ~DynamicSceneObjectFactory() = default;
    virtual DynamicSceneObject* create() = 0;
};
