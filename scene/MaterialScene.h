#pragma once
// MaterialScene: a scene that draws its children under its own material (see
// MaterialSceneObject); nested material scenes restore the enclosing material on the way out.
// It adds no transform of its own.
#include "scene/MaterialSceneObject.h"
#include "scene/Scene.h"

class MaterialScene : public virtual Scene, public virtual MaterialSceneObject {
public:
    void calculate(TimeStep step) override;
    // applyMaterial, every child that is not culled between glPushMatrix and glPopMatrix,
    // restoreMaterial.
    void draw() override;
};
