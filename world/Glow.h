#pragma once
// The soft octagon that shots and effect clouds are drawn as, in the object's own plane: the
// current colour at the centre, fading to `rim` (given with alpha 0) at an octagon whose
// edges lie 1 from the centre. Emits one GL triangle fan; the caller compiles it into a list.
#include "scene/Color.h"

void drawGlow(const Color& rim);

// The distance of the glow's farthest corners, (0.414, 1) and its turns, from its centre, rounded up.
inline constexpr double glowRadius = 1.0824;
