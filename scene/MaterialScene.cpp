#include "scene/MaterialScene.h"

void MaterialScene::calculate(TimeStep step) { Scene::calculate(step); }

void MaterialScene::draw()
{
    applyMaterial();
    drawChildren();
    restoreMaterial();
}
