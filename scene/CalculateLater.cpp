#include "scene/CalculateLater.h"

#include "scene/Registry.h"

CalculateLater::CalculateLater() { registryOf<CalculateLater>().insert(this); }

CalculateLater::CalculateLater(const CalculateLater&) { registryOf<CalculateLater>().insert(this); }

CalculateLater::~CalculateLater() { registryOf<CalculateLater>().erase(this); }

void CalculateLater::calculateAll(TimeStep step)
{
    registryOf<CalculateLater>().forEach([step](CalculateLater* object) { object->calculateLater(step); });
}
