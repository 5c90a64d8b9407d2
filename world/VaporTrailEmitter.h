#pragma once
// VaporTrailEmitter: a continuous emitter of white clouds (the exhaust of the ship and of
// every rocket). Its owner places it, gives it a target scene, and sets the interval and
// emission velocity from its speed; the cloud settings default to the ship's trail.
// Depends on SceneObjectEmitter, WhiteCloudFactory.
#include <memory>

#include "world/SceneObjectEmitter.h"
#include "world/WhiteCloudFactory.h"

class VaporTrailEmitter : public virtual SceneObjectEmitter {
public:
    VaporTrailEmitter();

    virtual void setCloudAlpha(double alpha) { cloudFactory_->setAlpha(alpha); }
    virtual void setCloudScale(double scale) { cloudFactory_->setScale(scale); }
    virtual void setCloudGrowth(double growth) { cloudFactory_->setGrowth(growth); }
    virtual void setCloudLifetime(double lifetime) { cloudFactory_->setLifetime(lifetime); }

    const WhiteCloudFactory& getCloudFactory() const { return *cloudFactory_; }

private:
    std::unique_ptr<WhiteCloudFactory> cloudFactory_;
};
