#include "scene/CalculateAlways.h"


void CalculateAlways::setEnabled(bool enabled) { enabled_ = enabled; }

bool CalculateAlways::isEnabled() const { return enabled_; }

void CalculateAlways::calculateAll(TimeStep step)
{
    registered().forEach([step](CalculateAlways* object) {
        if (object->isEnabled()) object->calculateAlways(step);
    });
}
