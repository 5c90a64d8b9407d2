#include "overlay/ScreenSceneObject.h"

#include <GL/gl.h>

#include "scene/Camera.h"

namespace {
struct ScreenMaskTag;
Registry<DrawSolid>& masks() { return registryOf<DrawSolid, ScreenMaskTag>(); }
}  // namespace

ScreenSceneObject::ScreenSceneObject() : Registered<ScreenSceneObject>(this) { setCullable(true); }

void ScreenSceneObject::drawSolidGeometry()
{
    beginFlat();
    drawSelectionShape();
    endFlat();
}

void ScreenSceneObject::addScreenMask(DrawSolid* mask)
{
    if (mask != nullptr) masks().insert(mask);
}

void ScreenSceneObject::removeScreenMask(DrawSolid* mask) { masks().erase(mask); }

const Registry<DrawSolid>& ScreenSceneObject::screenMasks() { return masks(); }

void drawScreenSceneObjects()
{
    glClearDepth(1.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    // The masks only write depth.
    GLboolean colourWrites[4] = {GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE};
    glGetBooleanv(GL_COLOR_WRITEMASK, colourWrites);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glMatrixMode(GL_PROJECTION);
    Camera::applyActive();
    glMatrixMode(GL_MODELVIEW);
    masks().forEach([](DrawSolid* mask) { mask->drawSolid(); });
    glColorMask(colourWrites[0], colourWrites[1], colourWrites[2], colourWrites[3]);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    ScreenSceneObject::screenObjects().forEach([](ScreenSceneObject* object) {
        if (!object->hasRoot() || object->isCulled()) return;
        object->beginFlat();
        object->drawFlat();
        object->endFlat();
    });
    glDisable(GL_BLEND);
}
