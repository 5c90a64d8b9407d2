#include "overlay/ScreenBeam.h"

#include <cmath>

namespace {
double validSize(double size) { return std::isfinite(size) && size > 0.0 ? size : 0.0; }
}  // namespace

void ScreenBeam::setPosition(double x, double y)
{
    x_ = x;
    y_ = y;
}

void ScreenBeam::setSize(double width, double height)
{
    width_ = validSize(width);
    height_ = validSize(height);
}

void ScreenBeam::setHorizontal(bool horizontal) { horizontal_ = horizontal; }

void ScreenBeam::setFromStart(bool fromStart) { fromStart_ = fromStart; }
