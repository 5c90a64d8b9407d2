#pragma once
// Palette: reduces a picture to 256 colours by median cut (boxes of colours split at the
// median of their widest channel), then maps every pixel to its nearest palette colour.
// Deterministic; meant for pictures with few distinct colours such as painted liveries.
#include "tools/common/Image.h"

#include <array>
#include <cstdint>
#include <vector>

namespace assets {

struct PalettedImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> indices;  // top row first
    std::array<Rgb, 256> palette{};
};

class Palette {
public:
    static PalettedImage quantize(const Image& image);
};

}  // namespace assets
