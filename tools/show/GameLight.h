#pragma once
// setUpGameLight: the game's lighting for the preview and icon pictures: one white directional
// light (no ambient part of its own), a global ambient of 0.2 and no specular highlight on
// the materials. Needs a current GL context; sets the modelview matrix to the identity.
#include "tools/common/Vec3.h"

namespace assets {

// `towardsLight` points from the scene to the light; a zero vector leaves the light unlit.
void setUpGameLight(const Vec3& towardsLight);

}  // namespace assets
