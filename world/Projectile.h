#pragma once
// Projectile: a shot of the twin guns: a small glowing sprite that flies straight, carries a
// point light of its colour (switched on only around the objects drawn near it, as GL has few
// lights), and removes itself when it hits something or its lifetime runs out; it fades out
// over its last second. It deals its impact damage and takes none.
// Every live projectile is in the projectile registry. The glow's display lists are built by
// the first projectile, which needs a current GL context.
// Depends on the physical, light, self-destroying and transparent flat scene objects, Level.
#include "scene/PositionalSceneLightSource.h"
#include "scene/Registered.h"
#include "scene/SelfDestroyingSceneObject.h"
#include "scene/TransparentFlatSceneObject.h"
#include "world/PhysicalSceneObject.h"

class Projectile : public virtual SelfDestroyingSceneObject,
                   public virtual PhysicalSceneObject,
                   public virtual PositionalSceneLightSource,
                   public virtual TransparentFlatSceneObject,
                   public Registered<Projectile> {
public:
    Projectile();

    // Any hit ends the projectile; the damage it is told is ignored.
    void onCollision(PhysicalSceneObject* other, Vector point, double damage) override;
    void calculate(TimeStep step) override { DynamicSceneObject::calculate(step); }
    // The lifetime countdown and the light's place.
    void calculateLater(TimeStep step) override;
    void draw() override { TransparentFlatSceneObject::draw(); }
    void drawTransparentGeometry() override;

    static const Registry<Projectile>& registry() { return Registered<Projectile>::registered(); }

    // The glow's size: its edges lie this far from the centre.
    static constexpr double scale = 0.125;
};
