#pragma once
// DirectionalSceneLightSource: a light at infinity shining from the direction of the object's
// local +z axis (as the absolute matrix carries the point (0, 0, 1); a translation of the
// object therefore adds to that direction). The world's sunlight.
#include "scene/SceneLightSource.h"

class DirectionalSceneLightSource : public virtual SceneLightSource {
public:
    DirectionalSceneLightSource(float r, float g, float b);
    ~DirectionalSceneLightSource() override;

protected:
    void sendPlace() override;
};
