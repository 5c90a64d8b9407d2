#pragma once
// BmpReader: Windows bitmaps into plain RGB pixel arrays, and textures made from them.
// Reads the 12-byte OS/2 core header and the 40-byte info header, with or without the 14-byte
// "BM" file header in front; 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, 8- and
// 4-bit run-length encoded, 16/32-bit with bit-field masks, bottom-up or top-down rows.
// Newer headers (V4, V5), JPEG/PNG payloads and 2 or 64 bits per pixel are refused.
// A failure is shown to the player through Platform::showMessage (title "Error") and gives
// no image; the reader never throws. Depends on: Platform, GL (for loadTexture only).
#include <optional>
#include <string>
#include <vector>

struct BmpImage {
    int width = 0;
    int height = 0;  // always positive, also for files stored top row first
    // width * height pixels of R, G, B bytes; rows without padding, bottom row first (the
    // row order of glTexImage2D).
    std::vector<unsigned char> data;
};

// The file at `path`, or nullopt after showing one of the messages "Failed to open DIB file
// <path>.\n", "Unknown DIB file format.", "Image file conversion error." (damaged or
// unsupported pixel data, a file shorter than its header promises) and "Out of memory."
// (more than maxBmpPixels pixels).
std::optional<BmpImage> loadBmp(const std::string& path);

// A linear-filtered GL texture from "models/" + name, or 0 when the file is missing (silently)
// or cannot be read (with the reader's message). Needs a current GL context.
unsigned loadTexture(const std::string& name);

// The largest picture the reader will allocate: 4096 x 4096, far beyond the game's textures
// and fonts, small enough that a damaged header cannot ask for gigabytes.
inline constexpr long long maxBmpPixels = 4096LL * 4096LL;
