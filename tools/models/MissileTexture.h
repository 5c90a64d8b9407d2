#pragma once
// MissileTexture: the missile's paint. The left part of the picture is the body unrolled
// around its axis (columns: angle, rows: position along the missile), the right strip
// holds the fins (columns: distance from the axis). bodyCoordinate and finCoordinate give
// the texture coordinates for a point.
#include "tools/common/Image.h"

#include <utility>

namespace assets {

class MissileTexture {
public:
    static constexpr int width = 256, height = 128;
    static constexpr double length = 2.5;  // file units, nose at -length / 2

    // angleTurns in [0, 1] around the axis, z along it.
    static std::pair<float, float> bodyCoordinate(double angleTurns, double z);
    // radius from the axis (up to finReach), z along it.
    static std::pair<float, float> finCoordinate(double radius, double z);
    static constexpr double finReach = 0.4;
    static Image paint();
};

}  // namespace assets
