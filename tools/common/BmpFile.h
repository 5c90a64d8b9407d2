#pragma once
// BmpFile: writes and reads uncompressed Windows bitmaps with the 40-byte info header, the
// only header the game's reader needs besides the old OS/2 one. Writing: 24-bit true colour
// or 8-bit with a 256-entry palette. Reading (for the preview tools): 8-bit and 24-bit,
// bottom-up; anything else is refused with an error message.
#include "tools/common/Image.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

class BmpFile {
public:
    static void write24(const std::string& path, const Image& image);
    // `indices` has one palette index per pixel, top row first.
    static void write8(const std::string& path, int width, int height, const std::vector<std::uint8_t>& indices,
                       const std::array<Rgb, 256>& palette);
    // A grey picture as an 8-bit file with a palette of 256 greys (the red channel is used).
    static void write8Grey(const std::string& path, const Image& image);

    // Reads the file into `image` (top row first); returns false and fills `error` otherwise.
    static bool read(const std::string& path, Image& image, std::string& error);
};

}  // namespace assets
