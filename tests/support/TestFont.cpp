#include "tests/support/TestFont.h"

#include <fstream>
#include <sstream>

#include "tests/support/TemporaryFolder.h"

namespace {
constexpr const char* fontFile = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
}

bool writeFontBitmap(const std::string& path, int side, bool eightBit)
{
    const double cell = side / 16.0;
    // ImageMagick's policy forbids reading a drawing from a file with -draw @file, but it
    // reads a drawing given as an MVG image.
    std::ostringstream mvg;
    mvg << "viewbox 0 0 " << side << ' ' << side << "\nfill black\nrectangle 0,0 " << side << ',' << side << '\n'
        << "font \"" << fontFile << "\"\nfont-size " << cell * 0.72 << "\nfill white\n";
    for (int code = 33; code < 127; ++code) {
        std::string glyph(1, static_cast<char>(code));
        if (glyph == "\\" || glyph == "\"") glyph = "\\" + glyph;
        mvg << "text " << (code % 16 + 0.2) * cell << ',' << (code / 16 + 0.78) * cell << " \"" << glyph << "\"\n";
    }
    const std::string drawing = path + ".mvg";
    std::ofstream(drawing) << mvg.str();
    if (!eightBit) return runConvert("mvg:'" + drawing + "' -type TrueColor BMP3:'" + path + "'");
    // Straight from the drawing there are more grey levels than a palette holds, and the
    // faintest would turn black; the 256 levels of the 24-bit file fit one exactly, undithered.
    const std::string full = path + ".24.bmp";
    return runConvert("mvg:'" + drawing + "' -type TrueColor BMP3:'" + full + "'") &&
           runConvert("'" + full + "' +dither -type Palette -compress None BMP3:'" + path + "'");
}
