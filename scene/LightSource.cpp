#include "scene/LightSource.h"

void LightSource::switchOn()
{
    if (on_) return;
    on_ = true;
    if (active_) enable();
}

void LightSource::switchOff()
{
    if (!on_) return;
    on_ = false;
    if (active_) disable();
}

void LightSource::toggle()
{
    if (on_)
        switchOff();
    else
        switchOn();
}

bool LightSource::isOn() const { return on_; }

void LightSource::activate()
{
    if (active_) return;
    active_ = true;
    if (on_) enable();
}

void LightSource::deactivate()
{
    if (!active_) return;
    active_ = false;
    if (on_) disable();
}

bool LightSource::isActive() const { return active_; }
