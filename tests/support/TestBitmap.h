#pragma once
// TestBitmap: a small, independent BMP reader for tests, written from the file format (not
// shared with the code under test): uncompressed bottom-up files with the 40-byte info
// header or the 12-byte OS/2 one, 8-bit paletted or 24-bit. Pixels come out as RGB, top
// row first.
#include <cstdint>
#include <string>
#include <vector>

struct TestBitmap {
    int width = 0, height = 0, bitsPerPixel = 0;
    std::vector<std::uint8_t> rgb;  // top row first

    // Returns false with a reason in `error` for anything it cannot read.
    bool load(const std::string& path, std::string& error);
    const std::uint8_t* at(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};
