#pragma once
// The soft octagon that shots and effect clouds are drawn as, in the object's own plane: the
// current colour at the centre, fading to `rim` (given with alpha 0) at an octagon whose
// edges lie 1 from the centre. Emits one GL triangle fan; the caller compiles it into a list.
#include "scene/Color.h"

void drawGlow(const Color& rim);
