#pragma once
// The colour of the markers drawn on asteroids and of the target pointer: green at half
// opacity. A marker's own fading multiplies its alpha.
#include "scene/Color.h"

inline Color markerColor() { return Color(0, 1, 0, 0.5); }

// The marker colour with its alpha scaled by `opacity` (clamped to [0, 1]; NaN counts as 0).
Color markerColor(double opacity);
