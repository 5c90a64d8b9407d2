#pragma once
// CollidableSceneObject: a moving object that collides as a sphere around its absolute
// position. The sphere's radius is the radius factor times the largest axis scale of the
// absolute matrix, so the parents' scales count. An object that is not collidable takes part
// in no test (a fragment in its grace time, a fading wreck).
// Depends on DynamicSceneObject, Collision.
#include "scene/DynamicSceneObject.h"
#include "world/Collision.h"

class CollidableSceneObject : public virtual DynamicSceneObject {
public:
    explicit CollidableSceneObject(double radiusFactor = 1.0);

    virtual double getCollisionRadius();
    virtual void setCollidable(bool collidable);
    virtual bool isCollidable() const;
    // Touching counts as a hit. Two objects at the same place meet at this object's position.
    virtual Collision testCollision(CollidableSceneObject* other);
    virtual void setRadiusFactor(double radiusFactor);

private:
    double radiusFactor_;
    bool collidable_ = true;
};
