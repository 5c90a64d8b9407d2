#include "scene/SelectableSceneObject.h"

#include <GL/gl.h>

#include "scene/Camera.h"

void SelectableSceneObject::drawForSelection()
{
    // Without a camera the projection becomes the identity, as in the scene graph's draw.
    glMatrixMode(GL_PROJECTION);
    Camera::applyActive();
    glMatrixMode(GL_MODELVIEW);
    drawSolid();
}

void SelectableSceneObject::drawSolid()
{
    getAbsoluteMatrix().loadGL();
    drawSolidGeometry();
}
