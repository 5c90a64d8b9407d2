#include "scene/FlexibleSceneObject.h"

void FlexibleSceneObject::calculate(TimeStep step)
{
    DynamicSceneObject::calculate(step);
    MaterialScene::calculate(step);
}

void FlexibleSceneObject::draw()
{
    DynamicSceneObject::draw();
    MaterialScene::draw();
}
