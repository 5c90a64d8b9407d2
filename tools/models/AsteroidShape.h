#pragma once
// AsteroidShape: the three rock models. Each is a geodesic sphere (an icosahedron whose faces
// are cut into frequency^2 triangles) pushed in and out along its directions: a lumpy potato
// (kind 0), a chunk bounded by fracture planes (kind 1) and a craggy, heavily cratered rock
// (kind 2). Texture coordinates come from a box projection chosen per triangle, which has no
// pole pinching; the rock textures tile, so the joins between projections stay hard to see.
// The mean radius is about 0.09 file units, the sphere the game collides with.
// A rock comes in levels of detail: level 0 has the full subdivision, each further level half
// the subdivision of the one before (a quarter of its triangles), for rocks that cover few
// pixels. Coarser levels keep a subset of the finer vertices in the same places, so a rock
// keeps its outline and its size when the game switches between them.
#include "tools/common/Mesh.h"

#include <string>

namespace assets {

class AsteroidShape {
public:
    enum class Kind { Potato, Chunk, Craggy };
    static constexpr int detailLevels = 3;
    static Mesh make(Kind kind, const std::string& texture, unsigned seed, int detailLevel = 0);
};

}  // namespace assets
