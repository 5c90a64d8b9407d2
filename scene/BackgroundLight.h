#pragma once
// BackgroundLight: light from everywhere, added to GL's global ambient light while it shines.
// All shining background lights add up; until the first one shines GL's own default ambient
// (0.2, 0.2, 0.2) applies. Depends on LightSource; needs a current GL context to shine.
#include "scene/LightSource.h"

class BackgroundLight : public LightSource {
public:
    BackgroundLight(double red, double green, double blue);
    ~BackgroundLight() override;

protected:
    void enable() override;
    void disable() override;

private:
    double red_, green_, blue_;
};
