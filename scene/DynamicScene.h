#pragma once
// DynamicScene: a moving object that carries children; they move, turn and scale with it.
// calculate moves the scene, then its children; draw applies its local matrix, then draws
// the children.
#include "scene/DynamicSceneObject.h"
#include "scene/Scene.h"

class DynamicScene : public DynamicSceneObject, public Scene {
public:
    DynamicScene() = default;

    void calculate(TimeStep step) override;
    void draw() override;
};
