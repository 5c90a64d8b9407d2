#include "scene/PositionalSceneLightSource.h"

#include <GL/gl.h>

PositionalSceneLightSource::PositionalSceneLightSource(float r, float g, float b) : SceneLightSource(r, g, b) {}

PositionalSceneLightSource::~PositionalSceneLightSource() { deactivate(); }

void PositionalSceneLightSource::setConstantAttenuation(float factor) { constantAttenuation_ = factor; }

void PositionalSceneLightSource::setLinearAttenuation(float factor) { linearAttenuation_ = factor; }

void PositionalSceneLightSource::setQuadraticAttenuation(float factor) { quadraticAttenuation_ = factor; }

void PositionalSceneLightSource::sendSettings()
{
    const GLenum light = getLightNumber();
    glLightfv(light, GL_SPOT_DIRECTION, spotDirection_);
    glLightf(light, GL_SPOT_EXPONENT, spotExponent_);
    glLightf(light, GL_SPOT_CUTOFF, spotCutoff_);
    glLightf(light, GL_CONSTANT_ATTENUATION, constantAttenuation_);
    glLightf(light, GL_LINEAR_ATTENUATION, linearAttenuation_);
    glLightf(light, GL_QUADRATIC_ATTENUATION, quadraticAttenuation_);
}

void PositionalSceneLightSource::sendPlace() { sendPosition(getAbsolutePosition(), 1.0f); }
