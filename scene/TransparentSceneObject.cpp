#include "scene/TransparentSceneObject.h"

namespace {
Registry<TransparentSceneObject>& transparentObjects() { return registryOf<TransparentSceneObject>(); }
}  // namespace

TransparentSceneObject::TransparentSceneObject() { updateTransparentRegistration(); }

TransparentSceneObject::~TransparentSceneObject() { setTransparent(false); }

void TransparentSceneObject::drawTransparent()
{
    if (!transparent_) return;
    getAbsoluteMatrix().loadGL();
    drawTransparentGeometry();
}

bool TransparentSceneObject::isTransparent() const { return transparent_; }

void TransparentSceneObject::setTransparent(bool transparent)
{
    if (transparent == transparent_) return;
    transparent_ = transparent;
    if (transparent_ && hasRoot())
        transparentObjects().insert(this);
    else
        transparentObjects().erase(this);
}

void TransparentSceneObject::draw()
{
    if (!transparent_) drawTransparentGeometry();
}

void TransparentSceneObject::setRoot(SceneGraph* root)
{
    if (root != getRoot()) SceneObject::setRoot(root);
    updateTransparentRegistration();
}

void TransparentSceneObject::updateTransparentRegistration()
{
    if (transparent_ && hasRoot())
        transparentObjects().insert(this);
    else
        transparentObjects().erase(this);
}

const Registry<TransparentSceneObject>& TransparentSceneObject::registry() { return transparentObjects(); }
