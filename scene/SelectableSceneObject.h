#pragma once
// SelectableSceneObject: a scene object that can be picked with the mouse. Subclasses give
// `drawSolidGeometry` (the plain geometry in the object's own coordinates, no colour, no
// texture) and `draw`. It is drawn for picking whether or not it is attached or culled.
#include "scene/DrawSolid.h"
#include "scene/SceneObject.h"
#include "scene/Selectable.h"

class SelectableSceneObject : public virtual SceneObject, public virtual Selectable, public virtual DrawSolid {
public:
    // Loads the active camera into the projection, then drawSolid. Serves Selectable and
    // DrawSolid alike.
    void drawForSelection() override;
    // Loads the object's absolute matrix, then drawSolidGeometry.
    void drawSolid() override;
};
