#pragma once
// Fighter: the player's ship. Nose along +z; in ship units (ten times the file's) about 1.6
// wide and 1.4 long: a slim fuselage with a bubble canopy, swept wings with a little
// dihedral, twin gun pods under the wing roots whose muzzles end at (+-0.25, 0, 0.7), rocket
// pylons under the wings above the rails at (+-0.7, 0.16, -0.45), canted twin fins and one
// engine whose nozzle floor holds the exhaust point (0, 0, -0.5).
// Two groups: the textured hull (texture coordinates into the hull atlas of FighterTexture)
// and the untextured canopy.
#include "tools/common/Mesh.h"

#include <string>

namespace assets {

class Fighter {
public:
    static Mesh make(const std::string& hullTexture);
};

}  // namespace assets
