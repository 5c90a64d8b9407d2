#pragma once
// CloudFactory: makes clouds with the settings it holds (opacity, size, growth per second,
// lifetime); the caller places each new cloud, gives it a velocity, adds it to a scene and may
// change any setting afterwards. Subclasses decide the colour (ColorCloudFactory,
// WhiteCloudFactory). Depends on Cloud.
#include "scene/DynamicSceneObjectFactory.h"
#include "world/Cloud.h"

class CloudFactory : public virtual DynamicSceneObjectFactory {
public:
    // A new cloud with the factory's settings.
    DynamicSceneObject* create() override { return makeCloud(); }
    Cloud* makeCloud();
    virtual void setAlpha(double alpha) { alpha_ = alpha; }
    virtual void setScale(double scale) { scale_ = scale; }
    virtual void setGrowth(double growth) { growth_ = growth; }
    virtual void setLifetime(double lifetime) { lifetime_ = lifetime; }
    virtual Cloud* createCloud() = 0;

    double getAlpha() const { return alpha_; }
    double getScale() const { return scale_; }
    double getGrowth() const { return growth_; }
    double getLifetime() const { return lifetime_; }

private:
    double alpha_ = 1.0;
    double scale_ = 1.0;
    double growth_ = 0.0;
    double lifetime_ = 1.0;
};
