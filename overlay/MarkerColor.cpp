#include "overlay/MarkerColor.h"

#include <algorithm>
#include <cmath>

Color markerColor(double opacity)
{
    const double factor = std::isnan(opacity) ? 0.0 : std::clamp(opacity, 0.0, 1.0);
    return Color(markerColor(), markerColor().alpha() * factor);
}
