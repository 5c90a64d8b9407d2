#pragma once
// PositionalSceneLightSource: a point light at the object's absolute position (projectiles
// carry one). Spot and attenuation are GL's defaults unless set; the spot direction is sent as
// stored, in root coordinates, and does not turn with the object. Changes reach GL at the next
// enable.
#include "scene/SceneLightSource.h"

class PositionalSceneLightSource : public virtual SceneLightSource {
public:
    PositionalSceneLightSource(float r, float g, float b);
    ~PositionalSceneLightSource() override;

    virtual void setConstantAttenuation(float factor);
    virtual void setLinearAttenuation(float factor);
    virtual void setQuadraticAttenuation(float factor);

protected:
    // The spot and attenuation values.
    void sendSettings() override;
    void sendPlace() override;

private:
    float spotDirection_[3] = {0, 0, -1};
    float spotExponent_ = 0;
    float spotCutoff_ = 180;
    float constantAttenuation_ = 1;
    float linearAttenuation_ = 0;
    float quadraticAttenuation_ = 0;
};
