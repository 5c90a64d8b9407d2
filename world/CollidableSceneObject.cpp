#include "world/CollidableSceneObject.h"

CollidableSceneObject::CollidableSceneObject(double radiusFactor) : radiusFactor_(radiusFactor) {}

double CollidableSceneObject::getCollisionRadius() { return radiusFactor_ * getLargestAbsoluteScale(); }

void CollidableSceneObject::setCollidable(bool collidable) { collidable_ = collidable; }

bool CollidableSceneObject::isCollidable() const { return collidable_; }

Collision CollidableSceneObject::testCollision(CollidableSceneObject* other)
{
    if (!isCollidable() || !other->isCollidable()) return {};
    const Vector here = getAbsolutePosition();
    const Vector toOther = other->getAbsolutePosition() - here;
    const double distance = toOther.length();
    const double radius = getCollisionRadius();
    const double overlap = radius + other->getCollisionRadius() - distance;
    if (!(overlap >= 0.0)) return {};
    // The middle of the overlapping stretch, which ends at this sphere's surface; with both
    // centres at one point there is no line between them, and the common centre is the contact.
    const Vector point = distance > 0.0 ? here + toOther * ((radius - overlap / 2.0) / distance) : here;
    return {true, this, other, point};
}

void CollidableSceneObject::setRadiusFactor(double radiusFactor) { radiusFactor_ = radiusFactor; }
