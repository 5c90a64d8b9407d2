#pragma once
// SceneObjectEmitter: an invisible moving object (a muzzle, a rail, an exhaust) that releases
// what its factory makes into a target scene above it in the tree: one object on demand
// (emit), or continuously every `interval` seconds. Continuous emission lays the objects
// evenly along the path the emitter travelled during the frame, each placed where the
// emitter was at its release time and already moved on by its own velocity, so a trail looks
// the same at any frame rate.
// A released object leaves at the emitter's velocity minus the emission velocity turned into
// the target scene (a negative z emission velocity sends it along the emitter's +z axis) and,
// when alignRotation is set, turned as the emitter is.
// The emitter remembers its matrix relative to the target scene over its last three deferred
// updates; it releases nothing until it knows two, nor while the target scene is unset, not
// above it in the tree, or the factory is unset. A frame without time (delta 0) releases
// nothing and only refreshes the newest place.
// Depends on DynamicSceneObject, CalculateLater, Scene, DynamicSceneObjectFactory.
#include <array>

#include "scene/CalculateLater.h"
#include "scene/DynamicSceneObject.h"
#include "scene/DynamicSceneObjectFactory.h"
#include "scene/Scene.h"

class SceneObjectEmitter : public virtual DynamicSceneObject, public virtual CalculateLater {
public:
    SceneObjectEmitter(Scene* targetScene, DynamicSceneObjectFactory* factory);

    // Also forgets the places remembered relative to the former target.
    virtual void setTargetScene(Scene* targetScene);
    virtual void setFactory(DynamicSceneObjectFactory* factory);
    // Whether emit would release an object now: a target above, a factory, and two places.
    virtual bool isReady() const;
    virtual void emitOne();
    // Releases one object now; a pair releases `count`, alternating its emitters.
    virtual void emit(int count);
    virtual void setEmissionVelocity(const Vector& velocity);
    virtual void setEmissionVelocity(double x, double y, double z);
    // Seconds between continuous releases; 0 (or less) releases nothing continuously.
    virtual void setEmissionInterval(double seconds);
    virtual void setAlignRotation(bool align);

    Scene* getTargetScene() const { return targetScene_; }
    DynamicSceneObjectFactory* getFactory() const { return factory_; }
    Vector getEmissionVelocity() const { return emissionVelocity_; }
    double getEmissionInterval() const { return interval_; }
    bool alignsRotation() const { return alignRotation_; }

    void calculate(TimeStep step) override { DynamicSceneObject::calculate(step); }
    // Records this frame's place and releases the continuous emission.
    void calculateLater(TimeStep step) override;
    void draw() override {}

    // A long frame could otherwise ask for any number of objects at once.
    static constexpr int maxEmissionsPerFrame = 256;

protected:
    // Releases one object at place `matrix` (relative to the target scene), with the
    // emitter's velocity `emitterVelocity`, made at time `emitted` and advanced to `now`.
    void emitAt(const Matrix& matrix, const Vector& emitterVelocity, double emitted, double now);

private:
    bool targetIsAbove() const;

    Scene* targetScene_;
    DynamicSceneObjectFactory* factory_;
    double interval_ = 0.0;
    bool alignRotation_ = true;
    Vector emissionVelocity_;
    double lastEmission_ = -1.0;
    TimeStep lastStep_;
    // Newest first; `known_` of them are valid.
    std::array<Matrix, 3> places_;
    int known_ = 0;
};
