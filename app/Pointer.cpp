#include "app/Pointer.h"

#include <algorithm>

#include "scene/Viewport.h"

Pointer Pointer::inViewport(int x, int y)
{
    const Viewport viewport = Viewport::current();
    return inWindow(x, y, viewport.width, viewport.height);
}

Pointer Pointer::inWindow(int x, int y, int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    return {std::clamp(x, 0, width), std::clamp(y, 0, height), width, height};
}

double Pointer::steerX() const { return (x - width / 2.0) / std::min(width, height); }

double Pointer::steerY() const { return (y - height / 2.0) / std::min(width, height); }

double Pointer::fractionX() const { return static_cast<double>(x) / width; }

double Pointer::fractionY() const { return 1.0 - static_cast<double>(y) / height; }
