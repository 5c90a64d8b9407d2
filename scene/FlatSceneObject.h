#pragma once
// FlatSceneObject: an object drawn as a billboard: unlit, always facing the viewer, at its
// place and with its size in the scene, but with no rotation (explosion clouds, markers).
// Subclasses draw their flat geometry in `drawFlat`, in the billboard's own coordinates
// (x to the right of the screen, y up, z towards the viewer).
// Without an active camera the object is drawn as if the eye sat at the root's origin with
// an identity projection, as the scene graph does then. Depends on Camera, DynamicSceneObject.
#include "scene/DynamicSceneObject.h"

class FlatSceneObject : public virtual DynamicSceneObject {
public:
    virtual void drawFlat() = 0;
    // Pushes the modelview and the projection, loads the billboard matrix and the camera's
    // bare projection and switches lighting off; endFlat undoes all of it.
    virtual void beginFlat();
    virtual void endFlat();

    // beginFlat, drawFlat, endFlat.
    void draw() override;

private:
    bool lightingWasOn_ = false;
};
