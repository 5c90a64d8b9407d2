#pragma once
// SelfDestroyingSceneObject: a scene object with a lifetime in seconds, counted down in the
// deferred pass (calculateLater) of every frame; in the frame in which it would reach zero the
// object destroys itself and is deleted at the end of that frame. A lifetime of 0 or less
// means it lives on; setting a new positive lifetime restarts the countdown.
// Its tree update `calculate` does nothing: a class that combines it with a moving object must
// say which calculate it means (usually DynamicSceneObject's). Depends on SceneObject,
// CalculateLater.
#include "scene/CalculateLater.h"
#include "scene/SceneObject.h"

class SelfDestroyingSceneObject : public virtual SceneObject, public virtual CalculateLater {
public:
    // Stores seconds above 0, and 0 for anything else.
    virtual void setLifetime(double seconds);
    // The time left; after a lifetime of 0 it falls below 0 frame by frame.
    double getLifetime() const { return lifetime_; }

    void calculate(TimeStep step) override;
    void calculateLater(TimeStep step) override;

private:
    double lifetime_ = 0.0;
};
