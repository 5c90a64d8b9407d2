#include "world/ColorCloudFactory.h"

#include <GL/gl.h>

void ColorCloudFactory::ColorCloud::drawTransparentGeometry()
{
    color_.apply();
    glCallList(displayList_);
}

ColorCloudFactory::ColorCloudFactory(const Color& color)
    : color_(color), displayList_(Cloud::compileGlow(Color(color, 0.0)))
{
}

std::unique_ptr<ColorCloudFactory> ColorCloudFactory::clone() const
{
    std::unique_ptr<ColorCloudFactory> copy(new ColorCloudFactory(color_, displayList_));
    copy->setAlpha(getAlpha());
    copy->setScale(getScale());
    copy->setGrowth(getGrowth());
    copy->setLifetime(getLifetime());
    return copy;
}

Cloud* ColorCloudFactory::createCloud() { return new ColorCloud(color_, displayList_); }
