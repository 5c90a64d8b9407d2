#pragma once
// PhysicalSceneObject: a collidable object with mass, hardness, an impact damage bonus and a
// movable flag, and with them the response to a collision: an elastic exchange of the whole
// velocity vectors (the one-dimensional formula, both new velocities from the old ones) and
// a damage for each partner, told to both through onCollision.
// An object's damage grows with its own mass and the square of its own speed, times the
// partner's hardness, plus the partner's impact damage, divided by its own hardness; an
// object of hardness 0 (projectiles, rockets, the laser) is told -1. Objects already moving
// apart exchange nothing and take 0. Unmovable objects keep their velocity. An object that
// was stopped (setVelocity with a zero vector) counts as at rest, whatever velocity it keeps
// stored.
// Two partners without mass between them exchange no velocity.
// Depends on CollidableSceneObject.
#include "world/CollidableSceneObject.h"

class PhysicalSceneObject : public virtual CollidableSceneObject {
public:
    // Told after the response, once per partner and frame.
    virtual void onCollision(PhysicalSceneObject* other, Vector point, double damage) = 0;
    virtual double getMass() const;
    virtual double getHardness() const;
    virtual double getImpactDamage() const;
    virtual void setMass(double mass);
    virtual void setHardness(double hardness);
    virtual void setImpactDamage(double impactDamage);
    virtual bool isMovable() const;
    virtual void setMovable(bool movable);

    // The complete handling of one pair: second tests against first; on a hit the response
    // runs and both are told, second first.
    static void collidePair(PhysicalSceneObject* first, PhysicalSceneObject* second);

    struct Damages {
        double toA = 0.0;
        double toB = 0.0;
    };
    // The response between a and b: may change both velocities; gives both damages.
    static Damages respond(PhysicalSceneObject* a, PhysicalSceneObject* b);

private:
    double mass_ = 1.0;  // every concrete class sets its own
    double hardness_ = 0.0;
    double impactDamage_ = 0.0;
    bool movable_ = true;
};
