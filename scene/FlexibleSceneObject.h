#pragma once
// FlexibleSceneObject: the ship's and the rockets' kind of object: it moves like a
// DynamicSceneObject, carries children under its own material like a MaterialScene, and can
// have a lifetime like a SelfDestroyingSceneObject. Destroying it destroys its subtree.
// Depends on DynamicSceneObject, SelfDestroyingSceneObject, MaterialScene.
#include "scene/DynamicSceneObject.h"
#include "scene/MaterialScene.h"
#include "scene/SelfDestroyingSceneObject.h"

class FlexibleSceneObject : public virtual DynamicSceneObject,
                            public virtual SelfDestroyingSceneObject,
                            public virtual MaterialScene {
public:
    FlexibleSceneObject() = default;

    // Moves, then updates the children.
    void calculate(TimeStep step) override;
    // Applies the local matrix, then draws the children under the material.
    void draw() override;
};
