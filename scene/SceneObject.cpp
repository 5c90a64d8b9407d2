#include "scene/SceneObject.h"

#include <algorithm>
#include <cmath>

#include "scene/Camera.h"
#include "scene/GameError.h"
#include "scene/Scene.h"

namespace {
double viewConeDegrees = 180.0;

[[noreturn]] void throwNotContained() { throw GameError("This scene object is not contained in the given root scene"); }
}  // namespace

SceneObject::~SceneObject()
{
    if (parent_ != nullptr) parent_->removeChild(this);
}

void SceneObject::calculate(TimeStep) { invalidateAbsoluteCaches(); }

void SceneObject::invalidateAbsoluteCaches()
{
    positionValid_ = false;
    matrixValid_ = false;
    inverseValid_ = false;
    scalesValid_ = false;
}

Vector SceneObject::getAbsolutePosition()
{
    if (!positionValid_) {
        absolutePosition_ = getAbsoluteMatrix().origin();
        positionValid_ = true;
    }
    return absolutePosition_;
}

Matrix SceneObject::getAbsoluteMatrix()
{
    if (!matrixValid_) {
        absoluteMatrix_ = getMatrixRelativeTo(nullptr);
        matrixValid_ = true;
    }
    return absoluteMatrix_;
}

Matrix SceneObject::getMatrixRelativeTo(Scene* ancestor)
{
    if (ancestor == parent_) return getLocalMatrix();
    if (parent_ == nullptr) throwNotContained();
    return parent_->getMatrixRelativeTo(ancestor) * getLocalMatrix();
}

Matrix SceneObject::getAbsoluteInverseMatrix()
{
    if (!inverseValid_) {
        absoluteInverse_ = getInverseMatrixRelativeTo(nullptr);
        inverseValid_ = true;
    }
    return absoluteInverse_;
}

Vector SceneObject::getAbsoluteScales()
{
    // Collision tests ask for every pair of rocks; three square roots each add up.
    if (!scalesValid_) {
        absoluteScales_ = getAbsoluteMatrix().axisScales();
        scalesValid_ = true;
    }
    return absoluteScales_;
}

double SceneObject::getLargestAbsoluteScale()
{
    const Vector scales = getAbsoluteScales();
    return std::max({scales.x(), scales.y(), scales.z()});
}

Matrix SceneObject::getInverseMatrixRelativeTo(Scene* ancestor)
{
    if (ancestor == parent_) return getLocalInverseMatrix();
    if (parent_ == nullptr) throwNotContained();
    return getLocalInverseMatrix() * parent_->getInverseMatrixRelativeTo(ancestor);
}

void SceneObject::setParent(Scene* parent)
{
    if (parent_ != nullptr && parent != nullptr && parent != parent_)
        throw GameError("A scene object can not be added to two different scenes");
    parent_ = parent;
    setRoot(parent == nullptr ? nullptr : parent->getRoot());
}

Scene* SceneObject::getParent() const { return parent_; }

bool SceneObject::isContainedIn(const Scene* scene) const
{
    if (parent_ == scene) return true;
    if (parent_ == nullptr) return false;
    return parent_->isContainedIn(scene);
}

void SceneObject::setCullable(bool cullable) { cullable_ = cullable; }

Matrix SceneObject::getLocalMatrix() { return {}; }

Matrix SceneObject::getLocalInverseMatrix() { return {}; }

void SceneObject::destroy() { destroyed_ = true; }

bool SceneObject::isDestroyed() const { return destroyed_; }

bool SceneObject::isCulled()
{
    Camera* camera = Camera::getActive();
    if (!cullable_ || camera == nullptr) return false;
    const Vector eye = camera->getAbsolutePosition();
    const Matrix cameraMatrix = camera->getAbsoluteMatrix();
    const Vector viewDirection = -cameraMatrix.zAxis();
    const double angle = std::abs((getAbsolutePosition() - eye).angleToDegrees(viewDirection));
    return angle > viewConeDegrees;  // NaN (object at the eye) is never culled
}

SceneGraph* SceneObject::getRoot() const { return root_; }

bool SceneObject::hasRoot() const { return root_ != nullptr; }

bool SceneObject::isCullable() const { return cullable_; }

void SceneObject::setRoot(SceneGraph* root) { root_ = root; }

void SceneObject::setViewConeAngle(double degrees) { viewConeDegrees = std::clamp(degrees, 0.0, 180.0); }

double SceneObject::getViewConeAngle() { return viewConeDegrees; }
