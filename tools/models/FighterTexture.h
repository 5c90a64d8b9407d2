#pragma once
// FighterTexture: the hull's paint, one atlas of five views of the ship. Each triangle takes
// the view its face looks along (top, bottom, side, back, front); the painter works in ship
// coordinates of that view, so panel lines and stripes land on the right part of the hull.
// atlasCoordinate maps a point seen in one view to texture coordinates; both sides share
// the layout so that the ship's paint stays in step with its shape.
#include "tools/common/Image.h"
#include "tools/common/Vec3.h"

#include <utility>

namespace assets {

class FighterTexture {
public:
    enum class View { Top, Bottom, Side, Back, Front };
    static constexpr int size = 1024;

    // Texture coordinates (s, t) of ship point p seen in `view`; t = 0 is the image's bottom row.
    static std::pair<float, float> atlasCoordinate(View view, const Vec3& p);
    // The inside wall of the nozzle has a strip of its own, by depth from the lip (0) to the
    // floor (1): seen along the engine's axis it has no view of its own in the atlas.
    static std::pair<float, float> nozzleWallCoordinate(double depth);
    static Image paint();
};

}  // namespace assets
