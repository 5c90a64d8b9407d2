#pragma once
// RocketFactory: makes rockets homing on the target it was last given (null: straight
// ahead), each with the "Rocket" sound; their trails emit into the world it was built for.
// Depends on Rocket and the game's sounds.
#include "scene/DynamicSceneObjectFactory.h"
#include "scene/Scene.h"

class RocketFactory : public virtual DynamicSceneObjectFactory {
public:
    explicit RocketFactory(Scene* world) : world_(world) {}

    virtual void setTarget(SceneObject* target) { target_ = target; }
    DynamicSceneObject* create() override;

private:
    Scene* world_;
    SceneObject* target_ = nullptr;
};
