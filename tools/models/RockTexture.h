#pragma once
// RockTexture: the grey surface textures of the three asteroid kinds. They tile (the game
// repeats textures) and stay bright and nearly neutral, because the game tints them with each
// kind's colour under GL_MODULATE and lighting darkens them further. Fine detail is kept
// moderate: the game samples them without mipmaps, so far-away rocks would shimmer.
#include "tools/common/Image.h"

namespace assets {

class RockTexture {
public:
    enum class Style { Layered, Cracked, Pitted };
    static Image make(Style style, int size, unsigned seed);
};

}  // namespace assets
