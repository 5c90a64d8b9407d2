#pragma once
// Missile: the homing rocket, nose towards -z in the file (the game turns it half a turn),
// 2.5 file units long so that it is 0.5 long at the game's scale of 0.2: an ogive nose,
// canards, four swept tail fins and a nozzle. One textured group; its texture is a small
// paletted livery (MissileTexture).
#include "tools/common/Mesh.h"

#include <string>

namespace assets {

class Missile {
public:
    static Mesh make(const std::string& texture);
};

}  // namespace assets
