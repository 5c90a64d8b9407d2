#include "scene/TransparentFlatSceneObject.h"

void TransparentFlatSceneObject::draw()
{
    if (!isTransparent()) FlatSceneObject::draw();
}

void TransparentFlatSceneObject::drawTransparent()
{
    FlatSceneObject::draw();
}

void TransparentFlatSceneObject::drawFlat()
{
    drawTransparentGeometry();
}
