#include "scene/DynamicScene.h"

void DynamicScene::calculate(TimeStep step)
{
    DynamicSceneObject::calculate(step);
    Scene::calculate(step);
}

void DynamicScene::draw()
{
    DynamicSceneObject::draw();
    Scene::draw();
}
