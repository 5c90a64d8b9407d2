#pragma once
// Font bitmaps for tests, drawn by ImageMagick from Liberation Sans: the printable ASCII
// characters, white on black in a 16 x 16 grid of cells, the layout of the game's font files.
#include <string>

// Writes a `side` x `side` BMP to `path`: 24 bits per pixel, or 8 bits (a grey palette) when
// `eightBit`. False if ImageMagick failed.
bool writeFontBitmap(const std::string& path, int side, bool eightBit);
