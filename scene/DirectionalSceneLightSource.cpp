#include "scene/DirectionalSceneLightSource.h"

DirectionalSceneLightSource::DirectionalSceneLightSource(float r, float g, float b) : SceneLightSource(r, g, b) {}

DirectionalSceneLightSource::~DirectionalSceneLightSource() { deactivate(); }

void DirectionalSceneLightSource::sendPlace() { sendPosition(getAbsoluteMatrix().apply(Vector(0, 0, 1)), 0.0f); }
