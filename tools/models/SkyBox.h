#pragma once
// SkyBox: the star field behind everything, a cube seen from inside with one texture per
// face. The pictures are painted as a function of direction (stars, a faint Milky Way band,
// a few nebulae and the sun towards +z, where the game's directional light comes from), so
// neighbouring faces agree along their common edge: the outermost texel centres of a face
// lie exactly on the cube's edge and the texture coordinates stop half a texel inside, so
// linear filtering never wraps around to the opposite side of a picture.
// Half size 3.2 file units: after the game's scale of 10 the faces lie between 32 and 56
// units from the eye, inside the view volume from 0.1 to 100.
#include "tools/common/Image.h"
#include "tools/common/Mesh.h"

#include <array>
#include <string>

namespace assets {

class SkyBox {
public:
    static constexpr double halfSize = 3.2;
    static constexpr int faceSize = 1024;

    struct Face {
        std::string texture;
        Image picture;
    };
    static std::array<Face, 6> paint();
    static Mesh make(const std::array<Face, 6>& faces);
};

}  // namespace assets
