#pragma once
// CalculateAlways: mixin for objects updated first in every frame with the real-time step,
// whatever the state of the game (music fades, volume ramps, scrolling text).
// Only enabled objects are updated. The operation is named calculateAlways so that it never
// collides with a scene object's tree update `calculate`.
#include "scene/Registered.h"
#include "scene/TimeStep.h"

class CalculateAlways : public Registered<CalculateAlways> {
public:
    explicit CalculateAlways(bool enabled) : Registered(this), enabled_(enabled) {}
    virtual ~CalculateAlways() = default;

    virtual void calculateAlways(TimeStep step) = 0;
    virtual void setEnabled(bool enabled);
    virtual bool isEnabled() const;

    // Updates every registered, enabled object; objects made during the pass wait.
    static void calculateAll(TimeStep step);

private:
    bool enabled_;
};
