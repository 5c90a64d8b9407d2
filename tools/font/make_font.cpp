// make_font: writes the game's glyph bitmap, fonts/arial.bmp, rendered from Liberation Sans
// (metrically the same as Arial). Usage: make_font <ttf file> <output bmp>
#include "tools/common/BmpFile.h"
#include "tools/font/GlyphSheet.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_font <ttf file> <output bmp>\n");
        return 2;
    }
    try {
        // 64-pixel cells: large enough that text a tenth of the screen high stays crisp.
        assets::BmpFile::write24(argv[2], assets::GlyphSheet::render(argv[1], 64));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_font: %s\n", e.what());
        return 1;
    }
    return 0;
}
