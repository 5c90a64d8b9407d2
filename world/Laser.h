#pragma once
// Laser: the beam of the ship's laser, a red band along its direction that always faces the
// viewer, glowing in the middle and fading out to its edges. While active it is in the laser
// registry: the world tests it against every asteroid, and it hurts every one it passes
// through within laserRange, in proportion to the frame time (its impact damage is renewed
// every frame). It is drawn only up to the nearest of them, where a red light shines.
// Its test is its own (a ray against a sphere), so the world calls it as the testing side.
// It neither moves what it hits nor is moved. A beam without a direction hits nothing.
// Depends on Line, the transparent and physical scene objects, Scene, the positional light,
// Level.
#include "scene/Line.h"
#include "scene/PositionalSceneLightSource.h"
#include "scene/Registered.h"
#include "scene/Scene.h"
#include "scene/TransparentSceneObject.h"
#include "world/PhysicalSceneObject.h"

class Laser : public virtual Line,
              public virtual TransparentSceneObject,
              public virtual PhysicalSceneObject,
              public virtual Scene,
              public Registered<Laser> {
public:
    // The beam starts at `start` and runs along `direction`, in the laser's coordinates.
    Laser(const Vector& start, const Vector& direction);
    ~Laser() override;

    // Into the registry: the beam collides and is drawn.
    virtual void activate();
    // Out of the registry; the hit light goes out.
    virtual void deactivate();
    bool isActive() const { return active_; }
    double getRange() const { return range_; }
    CollidableSceneObject* getTarget() const { return target_; }
    PositionalSceneLightSource* getHitLight() const { return hitLight_; }

    // Starts the frame with the full range, no target, the light out and this frame's damage.
    void calculate(TimeStep step) override;
    // A hit when the other's sphere meets the beam ahead of its start within laserRange; the
    // nearest hit so far becomes the target and shortens the beam.
    Collision testCollision(CollidableSceneObject* other) override;
    // Lights the end of the beam at the target.
    void onCollision(PhysicalSceneObject* other, Vector point, double damage) override;
    void draw() override { Scene::draw(); }
    void drawTransparentGeometry() override;
    void setRoot(SceneGraph* root) override;
    void destroy() override { Scene::destroy(); }

    static const Registry<Laser>& registry() { return Registered<Laser>::registered(); }

private:
    bool active_ = true;
    double range_;
    CollidableSceneObject* target_ = nullptr;
    PositionalSceneLightSource* hitLight_;
    Vector start_;
    Vector direction_;
};
