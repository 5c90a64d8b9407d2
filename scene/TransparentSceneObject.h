#pragma once
// TransparentSceneObject: an object drawn in the blended transparent pass, sorted far to
// near, instead of in the solid pass. While transparent and attached under the SceneGraph it
// is in the class-wide registry that the pass walks; `setTransparent(false)` turns it into an
// ordinary solid object.
#include "scene/SceneObject.h"

class TransparentSceneObject : public virtual SceneObject {
public:
    TransparentSceneObject();
    ~TransparentSceneObject() override;

    // Loads the object's absolute matrix, then draws its geometry (transparent pass).
    virtual void drawTransparent();
    virtual bool isTransparent() const;
    virtual void drawTransparentGeometry() = 0;
    virtual void setTransparent(bool transparent);

    // Solid pass: draws only while not transparent.
    void draw() override;
    void setRoot(SceneGraph* root) override;

    static const Registry<TransparentSceneObject>& registry();

protected:
    // The registry bookkeeping of setRoot, for classes that combine this with Scene.
    void updateTransparentRegistration();

private:
    bool transparent_ = true;
};
