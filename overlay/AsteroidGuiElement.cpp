#include "overlay/AsteroidGuiElement.h"

#include "overlay/MarkerColor.h"

AsteroidGuiElement::AsteroidGuiElement() { setCullable(true); }

void AsteroidGuiElement::setActive(bool active) { active_ = active; }

bool AsteroidGuiElement::isActive() const { return active_; }

void AsteroidGuiElement::draw()
{
    if (active_) TransparentFlatSceneObject::draw();
}

void AsteroidGuiElement::drawTransparent()
{
    if (active_) TransparentFlatSceneObject::drawTransparent();
}

void AsteroidGuiElement::drawTransparentGeometry()
{
    if (active_) drawElement();
}

void AsteroidGuiElement::applyColor() { markerColor(alpha_).apply(); }
