#include "world/PhysicalSceneObject.h"

#include <numbers>

double PhysicalSceneObject::getMass() const { return mass_; }

double PhysicalSceneObject::getHardness() const { return hardness_; }

double PhysicalSceneObject::getImpactDamage() const { return impactDamage_; }

void PhysicalSceneObject::setMass(double mass) { mass_ = mass; }

void PhysicalSceneObject::setHardness(double hardness) { hardness_ = hardness; }

void PhysicalSceneObject::setImpactDamage(double impactDamage) { impactDamage_ = impactDamage; }

bool PhysicalSceneObject::isMovable() const { return movable_; }

void PhysicalSceneObject::setMovable(bool movable) { movable_ = movable; }

void PhysicalSceneObject::collidePair(PhysicalSceneObject* first, PhysicalSceneObject* second)
{
    const Collision collision = second->testCollision(first);
    if (!collision.hit) return;
    const Damages damages = respond(second, first);
    second->onCollision(first, collision.point, damages.toA);
    first->onCollision(second, collision.point, damages.toB);
}

namespace {
// The velocity the object really has: a stopped object keeps its last velocity stored, but
// hits and is hit as one at rest.
Vector actualVelocity(const PhysicalSceneObject* object)
{
    return object->isMoving() ? object->getVelocity() : Vector();
}
}  // namespace

PhysicalSceneObject::Damages PhysicalSceneObject::respond(PhysicalSceneObject* a, PhysicalSceneObject* b)
{
    const Vector va = actualVelocity(a), vb = actualVelocity(b);
    const double ma = a->getMass(), mb = b->getMass();
    const Vector d = b->getAbsolutePosition() - a->getAbsolutePosition();
    // A zero velocity or distance has no angle (NaN), which never counts as moving apart.
    constexpr double rightAngle = std::numbers::pi / 2.0;
    if (d.angleTo(va) > rightAngle && (-d).angleTo(vb) > rightAngle) return {};

    const double ha = a->getHardness(), hb = b->getHardness();
    Damages damages;
    damages.toA = ha == 0.0 ? -1.0 : (b->getImpactDamage() + ma * va.squaredLength() * hb) / ha;
    damages.toB = hb == 0.0 ? -1.0 : (a->getImpactDamage() + mb * vb.squaredLength() * ha) / hb;
    const double totalMass = ma + mb;
    if (totalMass == 0.0) return damages;
    if (a->isMovable()) a->setVelocity(((ma - mb) * va + 2.0 * mb * vb) / totalMass);
    if (b->isMovable()) b->setVelocity(((mb - ma) * vb + 2.0 * ma * va) / totalMass);
    return damages;
}
