#pragma once
// CalculateLater: mixin for objects updated once per frame after the scene tree has moved,
// only while the game world runs (the deferred pass of SceneGraph::calculate).
// The operation is named calculateLater so that a class may also be a SceneObject, whose
// tree update is `calculate`, and give the two updates different behaviour.
#include "scene/Registered.h"
#include "scene/TimeStep.h"

class CalculateLater : public Registered<CalculateLater> {
public:
    CalculateLater() : Registered(this) {}
    virtual ~CalculateLater() = default;

    virtual void calculateLater(TimeStep step) = 0;

    // Updates every registered object; objects made during the pass wait for the next one.
    static void calculateAll(TimeStep step);
};
