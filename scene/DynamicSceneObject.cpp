#include "scene/DynamicSceneObject.h"

void DynamicSceneObject::setPosition(const Vector& position)
{
    position_ = position;
    positionSet_ = true;
    invalidateLocalCaches();
}

void DynamicSceneObject::setPosition(double x, double y, double z) { setPosition(Vector(x, y, z)); }

Vector DynamicSceneObject::getPosition() const { return position_; }

void DynamicSceneObject::setRotationMatrix(const Matrix& matrix)
{
    rotation_ = matrix.rotationPart();
    // A rotation's inverse is its transpose; keeping it in step keeps the local inverse
    // (and with it the absolute inverse and camera views) right for objects turned this way.
    inverseRotation_ = rotation_.transposed();
    invalidateLocalCaches();
}

void DynamicSceneObject::setRotation(double angleDegrees, const Vector& axis)
{
    rotation_ = Matrix::rotation(angleDegrees, axis);
    inverseRotation_ = Matrix::rotation(-angleDegrees, axis);
    rotationSet_ = true;
    invalidateLocalCaches();
}

void DynamicSceneObject::setRotation(double angleDegrees, double x, double y, double z)
{
    setRotation(angleDegrees, Vector(x, y, z));
}

Matrix DynamicSceneObject::getRotation() const { return rotation_; }

void DynamicSceneObject::rotate(double angleDegrees, const Vector& axis)
{
    composeRotation(angleDegrees, axis);
    invalidateLocalCaches();
}

void DynamicSceneObject::rotate(double angleDegrees, double x, double y, double z)
{
    rotate(angleDegrees, Vector(x, y, z));
}

void DynamicSceneObject::composeRotation(double angleDegrees, const Vector& axis)
{
    const Matrix turn = Matrix::rotation(angleDegrees, axis);
    const Matrix unturn = Matrix::rotation(-angleDegrees, axis);
    if (rotationMode_ == 0) {
        rotation_ = rotation_ * turn;
        inverseRotation_ = unturn * inverseRotation_;
    } else {
        rotation_ = turn * rotation_;
        inverseRotation_ = inverseRotation_ * unturn;
    }
}

void DynamicSceneObject::setScale(double factor) { setScale(Vector(factor, factor, factor)); }

void DynamicSceneObject::setScale(const Vector& scale)
{
    scale_ = scale;
    scaleSet_ = true;
    invalidateLocalCaches();
}

void DynamicSceneObject::setScale(double x, double y, double z) { setScale(Vector(x, y, z)); }

Vector DynamicSceneObject::getScale() const { return scale_; }

void DynamicSceneObject::setTransformOrder(int order)
{
    static constexpr Factor arrangements[6][3] = {
        {Translation, Rotation, Scaling}, {Translation, Scaling, Rotation}, {Rotation, Translation, Scaling},
        {Rotation, Scaling, Translation}, {Scaling, Translation, Rotation}, {Scaling, Rotation, Translation}};
    if (order != transformOrder_) invalidateLocalCaches();
    transformOrder_ = order;
    if (order < 0 || order > 5) return;
    for (int i = 0; i < 3; ++i) arrangement_[i] = arrangements[order][i];
}

int DynamicSceneObject::getTransformOrder() const { return transformOrder_; }

void DynamicSceneObject::setVelocity(const Vector& velocity)
{
    moving_ = !velocity.isZero();
    if (moving_) velocity_ = velocity;
}

void DynamicSceneObject::setVelocity(double x, double y, double z) { setVelocity(Vector(x, y, z)); }

Vector DynamicSceneObject::getVelocity() const { return velocity_; }

bool DynamicSceneObject::isMoving() const { return moving_; }

void DynamicSceneObject::setSpin(double speed, const Vector& axis)
{
    spinning_ = speed != 0.0;
    if (!spinning_) return;
    spinSpeed_ = speed;
    spinAxis_ = axis;
}

void DynamicSceneObject::setSpin(double speed, double x, double y, double z) { setSpin(speed, Vector(x, y, z)); }

Vector DynamicSceneObject::getSpinAxis() const { return spinAxis_; }

double DynamicSceneObject::getSpinSpeed() const { return spinSpeed_; }

void DynamicSceneObject::setGrowth(double growth) { setGrowth(Vector(growth, growth, growth)); }

void DynamicSceneObject::setGrowth(const Vector& growth)
{
    growing_ = !growth.isZero();
    if (growing_) growth_ = growth;
}

void DynamicSceneObject::setGrowth(double x, double y, double z) { setGrowth(Vector(x, y, z)); }

Vector DynamicSceneObject::getGrowth() const { return growth_; }

void DynamicSceneObject::setRotationMode(int mode) { rotationMode_ = mode; }

int DynamicSceneObject::getRotationMode() const { return rotationMode_; }

void DynamicSceneObject::calculate(TimeStep step)
{
    SceneObject::calculate(step);
    integrateMotion(step);
}

void DynamicSceneObject::integrateMotion(TimeStep step)
{
    const double dt = step.delta;
    if (moving_) {
        if (positionSet_) {
            positionSet_ = false;
        } else {
            position_ = position_ + velocity_ * dt;
            invalidateLocalCaches();
        }
    }
    if (spinning_) {
        if (rotationSet_) {
            rotationSet_ = false;
        } else {
            composeRotation(dt * spinSpeed_, spinAxis_);
            invalidateLocalCaches();
        }
    }
    if (growing_) {
        if (scaleSet_) {
            scaleSet_ = false;
        } else {
            scale_ = scale_ + growth_ * dt;
            invalidateLocalCaches();
        }
    }
}

void DynamicSceneObject::draw() { getLocalMatrix().multiplyGL(); }

Matrix DynamicSceneObject::factorMatrix(Factor factor) const
{
    switch (factor) {
        case Translation: return Matrix::translation(position_);
        case Rotation: return rotation_;
        case Scaling: return Matrix::scaling(scale_);
    }
    return {};
}

Matrix DynamicSceneObject::inverseFactorMatrix(Factor factor) const
{
    switch (factor) {
        case Translation: return Matrix::translation(-position_);
        case Rotation: return inverseRotation_;
        case Scaling: return Matrix::scaling(1.0 / scale_);
    }
    return {};
}

Matrix DynamicSceneObject::getLocalMatrix()
{
    if (!localValid_) {
        localMatrix_ = factorMatrix(arrangement_[0]) * factorMatrix(arrangement_[1]) * factorMatrix(arrangement_[2]);
        localValid_ = true;
    }
    return localMatrix_;
}

Matrix DynamicSceneObject::getLocalInverseMatrix()
{
    if (!localInverseValid_) {
        localInverse_ = inverseFactorMatrix(arrangement_[2]) * inverseFactorMatrix(arrangement_[1]) *
                        inverseFactorMatrix(arrangement_[0]);
        localInverseValid_ = true;
    }
    return localInverse_;
}

void DynamicSceneObject::invalidateLocalCaches()
{
    localValid_ = false;
    localInverseValid_ = false;
}
