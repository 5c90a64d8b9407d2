#pragma once
// GlyphSheet: renders the game's bitmap font, white anti-aliased glyphs on black in a 16 x 16
// grid of square cells; character code c (Latin-1) sits in row c / 16 from the top and
// column c % 16. All glyphs share one baseline and one size, the largest at which every
// printable glyph (codes 32-126 and 160-255) fits inside its cell with an empty border, so
// the game's margin measurement sees only the glyph itself. Other codes stay empty.
#include "tools/common/Image.h"

#include <string>

namespace assets {

class GlyphSheet {
public:
    // Throws std::runtime_error when FreeType cannot load the font.
    static Image render(const std::string& fontPath, int cellSize);
    static bool isPrintable(int code) { return (code >= 32 && code <= 126) || (code >= 160 && code <= 255); }
};

}  // namespace assets
