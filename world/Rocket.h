#pragma once
// Rocket: a homing missile. Every update it adds rocketThrust to its velocity along its
// heading (not scaled by the frame time, so it reaches rocketMaxSpeed within a few updates)
// and turns its heading towards its target by at most rocketTurnRate degrees per second. It
// leaves a thin vapor trail, hits hard (rocketDamage), and removes itself when it hits
// something or its lifetime runs out. Without a target, or once the target is lost (wrapped
// around the world or destroyed), it flies straight on.
// A target straight behind is turned towards about some axis across the heading; a rocket at
// its target's very place does not turn. Every live rocket is in the rocket registry.
// Depends on the flexible and physical scene objects, VaporTrailEmitter, Model, Level.
#include "scene/FlexibleSceneObject.h"
#include "scene/Registered.h"
#include "world/PhysicalSceneObject.h"

class Model;
class VaporTrailEmitter;

class Rocket : public virtual FlexibleSceneObject, public virtual PhysicalSceneObject, public Registered<Rocket> {
public:
    // Its trail emits into `world`.
    Rocket(SceneObject* target, Scene* world);
    // The rocket's model as it flies, also what the rails show loaded.
    static Model* makeModel();
    ~Rocket() override;

    // Also stops the turn in progress.
    virtual void setTarget(SceneObject* target);
    SceneObject* getTarget() const { return target_; }
    VaporTrailEmitter* getTrail() const { return trail_; }

    // Any hit ends the rocket; the damage it is told is ignored.
    void onCollision(PhysicalSceneObject* other, Vector point, double damage) override;
    // Moves, then steers and thrusts.
    void calculate(TimeStep step) override;
    void draw() override { FlexibleSceneObject::draw(); }

    static const Registry<Rocket>& registry() { return Registered<Rocket>::registered(); }
    // Every rocket homing on `target` loses it.
    static void forgetTarget(const SceneObject* target);

private:
    // The heading turned towards the target by at most `maxTurn` degrees; sets the spin that
    // keeps turning the rocket over the next frame.
    Vector steer(const Vector& heading, double maxTurn, double delta);

    VaporTrailEmitter* trail_;
    SceneObject* target_;
};
