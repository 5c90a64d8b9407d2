#include "scene/CalculateAlways.h"

#include "scene/Registry.h"

CalculateAlways::CalculateAlways(bool enabled) : enabled_(enabled)
{
    registryOf<CalculateAlways>().insert(this);
}

CalculateAlways::CalculateAlways(const CalculateAlways& other) : enabled_(other.enabled_)
{
    registryOf<CalculateAlways>().insert(this);
}

CalculateAlways::~CalculateAlways() { registryOf<CalculateAlways>().erase(this); }

void CalculateAlways::setEnabled(bool enabled) { enabled_ = enabled; }

bool CalculateAlways::isEnabled() const { return enabled_; }

void CalculateAlways::calculateAll(TimeStep step)
{
    registryOf<CalculateAlways>().forEach([step](CalculateAlways* object) {
        if (object->isEnabled()) object->calculateAlways(step);
    });
}
