#pragma once
// DynamicSceneObject: a scene object with a place in its parent (position, rotation, scale,
// combined in one of six orders) and continuous motion: velocity, spin and growth,
// integrated by `calculate` over the frame's delta. A value set explicitly during a frame
// is not moved again by that frame's integration.
// The local matrix and its inverse are rebuilt lazily after a change. A zero scale makes the
// local inverse infinite; callers keep scales non-zero.
#include "scene/SceneObject.h"

class DynamicSceneObject : public virtual SceneObject {
public:
    DynamicSceneObject() = default;

    virtual void setPosition(const Vector& position);
    virtual void setPosition(double x, double y, double z);
    virtual Vector getPosition() const;
    // Takes the rotation part of `matrix`; the inverse rotation follows it.
    virtual void setRotationMatrix(const Matrix& matrix);
    virtual void setRotation(double angleDegrees, const Vector& axis);
    virtual void setRotation(double angleDegrees, double x, double y, double z);
    virtual Matrix getRotation() const;
    // Composes a further rotation about the object's own axes (mode 0) or the parent's.
    virtual void rotate(double angleDegrees, const Vector& axis);
    virtual void rotate(double angleDegrees, double x, double y, double z);
    virtual void setScale(double factor);
    virtual void setScale(const Vector& scale);
    virtual void setScale(double x, double y, double z);
    virtual Vector getScale() const;
    // 0..5 pick an order of translation T, rotation R and scaling S (0: T*R*S); other values
    // are stored but keep the previous order.
    virtual void setTransformOrder(int order);
    virtual int getTransformOrder() const;
    // A zero velocity stops the object but keeps the last non-zero velocity stored.
    virtual void setVelocity(const Vector& velocity);
    virtual void setVelocity(double x, double y, double z);
    virtual Vector getVelocity() const;
    // Whether the object moves at all: false from a zero setVelocity on, while getVelocity
    // still returns the last non-zero velocity.
    virtual bool isMoving() const;
    // Degrees per second about `axis`; a zero speed stops the spin.
    virtual void setSpin(double speed, const Vector& axis);
    virtual void setSpin(double speed, double x, double y, double z);
    virtual Vector getSpinAxis() const;
    virtual double getSpinSpeed() const;
    virtual void setGrowth(double growth);
    virtual void setGrowth(const Vector& growth);
    virtual void setGrowth(double x, double y, double z);
    virtual Vector getGrowth() const;
    virtual void setRotationMode(int mode);
    virtual int getRotationMode() const;

    void calculate(TimeStep step) override;
    // Multiplies the local matrix onto the modelview; subclasses then draw their geometry.
    void draw() override;
    Matrix getLocalMatrix() override;
    Matrix getLocalInverseMatrix() override;

protected:
    // The motion integration alone, for classes that combine this with other updates.
    void integrateMotion(TimeStep step);
    void invalidateLocalCaches();

private:
    enum Factor { Translation, Rotation, Scaling };
    void composeRotation(double angleDegrees, const Vector& axis);
    Matrix factorMatrix(Factor factor) const;
    Matrix inverseFactorMatrix(Factor factor) const;

    Matrix localMatrix_;
    Matrix localInverse_;
    bool localValid_ = false;
    bool localInverseValid_ = false;
    Vector position_;
    Vector velocity_;
    Vector scale_{1, 1, 1};
    Vector growth_;
    Matrix rotation_;
    Matrix inverseRotation_;
    Vector spinAxis_;
    double spinSpeed_ = 0.0;
    int rotationMode_ = 1;
    int transformOrder_ = 0;
    Factor arrangement_[3] = {Translation, Rotation, Scaling};
    bool moving_ = false;
    bool spinning_ = false;
    bool growing_ = false;
    bool positionSet_ = false;
    bool rotationSet_ = false;
    bool scaleSet_ = false;
};
