#include "scene/CalculateLater.h"


void CalculateLater::calculateAll(TimeStep step)
{
    registered().forEach([step](CalculateLater* object) { object->calculateLater(step); });
}
