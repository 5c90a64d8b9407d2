#include "tools/font/GlyphSheet.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <stdexcept>

namespace assets {

namespace {
// Pixels kept empty around every glyph, so linear filtering and the margin scan never pick
// up a neighbour.
constexpr int border = 2;

struct Extent {
    int above = 0, below = 0, width = 0;
};

class Face {
public:
    explicit Face(const std::string& path)
    {
        if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("cannot start FreeType");
        if (FT_New_Face(library_, path.c_str(), 0, &face_) != 0) throw std::runtime_error("cannot load font " + path);
    }
    ~Face()
    {
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
    }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    // Renders code c at the pixel size; false when the font has no such glyph.
    bool load(int pixels, int code)
    {
        FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels));
        const FT_UInt index = FT_Get_Char_Index(face_, static_cast<FT_ULong>(code));
        if (index == 0) return false;
        // Light hinting snaps horizontal edges to the pixel grid only: crisp, without
        // distorting the letter widths the game measures.
        return FT_Load_Glyph(face_, index, FT_LOAD_TARGET_LIGHT) == 0 &&
               FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL) == 0;
    }
    FT_GlyphSlot slot() const { return face_->glyph; }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

Extent measure(Face& face, int pixels)
{
    Extent e;
    for (int c = 0; c < 256; ++c) {
        if (!GlyphSheet::isPrintable(c) || !face.load(pixels, c)) continue;
        const FT_Bitmap& bitmap = face.slot()->bitmap;
        if (bitmap.rows == 0) continue;
        e.above = std::max(e.above, face.slot()->bitmap_top);
        e.below = std::max(e.below, static_cast<int>(bitmap.rows) - face.slot()->bitmap_top);
        e.width = std::max(e.width, static_cast<int>(bitmap.width));
    }
    return e;
}
}  // namespace

Image GlyphSheet::render(const std::string& fontPath, int cellSize)
{
    Face face(fontPath);
    const int room = cellSize - 2 * border;
    int pixels = cellSize;
    Extent extent = measure(face, pixels);
    while (pixels > 4 && (extent.above + extent.below > room || extent.width > room)) extent = measure(face, --pixels);
    // The block of all glyphs is centred vertically; this row is the common baseline.
    const int baseline = border + (room - extent.above - extent.below) / 2 + extent.above;

    Image sheet(16 * cellSize, 16 * cellSize);
    for (int c = 0; c < 256; ++c) {
        if (!isPrintable(c) || !face.load(pixels, c)) continue;
        const FT_GlyphSlot slot = face.slot();
        const FT_Bitmap& bitmap = slot->bitmap;
        const int cellLeft = (c % 16) * cellSize, cellTop = (c / 16) * cellSize;
        const int left = (cellSize - static_cast<int>(bitmap.width)) / 2;
        const int top = baseline - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const float v = bitmap.buffer[row * bitmap.pitch + column] / 255.0f;
                sheet.at(cellLeft + left + static_cast<int>(column), cellTop + top + static_cast<int>(row)) = Rgb{v, v, v};
            }
        }
    }
    return sheet;
}

}  // namespace assets
