#include "scene/SelfDestroyingSceneObject.h"

void SelfDestroyingSceneObject::setLifetime(double seconds) { lifetime_ = seconds > 0.0 ? seconds : 0.0; }

void SelfDestroyingSceneObject::calculate(TimeStep) {}

void SelfDestroyingSceneObject::calculateLater(TimeStep step)
{
    if (lifetime_ <= 0.0) {
        lifetime_ -= step.delta;
        return;
    }
    if (lifetime_ - step.delta > 0.0)
        lifetime_ -= step.delta;
    else
        destroy();  // the lifetime keeps its last positive value
}
