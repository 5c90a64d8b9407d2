#pragma once
// TransparentFlatSceneObject: a billboard (FlatSceneObject) drawn in the blended transparent
// pass, far to near. Subclasses implement only `drawTransparentGeometry`, in the billboard's
// coordinates. While not transparent it is drawn in the solid pass like any flat object.
#include "scene/FlatSceneObject.h"
#include "scene/TransparentSceneObject.h"

class TransparentFlatSceneObject : public virtual FlatSceneObject, public virtual TransparentSceneObject {
public:
    // Solid pass: the flat draw, only while not transparent.
    void draw() override;
    // Transparent pass: the flat draw (only transparent objects are registered for the pass).
    void drawTransparent() override;
    void drawFlat() override;
};
