#pragma once
// SheetText: writes labels onto preview pictures with the game's own glyph bitmap and the
// game's spacing rule (each glyph's empty margins are cut off, glyphs keep a gap of a tenth
// of the cell), so the labels double as a check of the font. Without the bitmap it draws
// nothing.
#include "tools/common/Image.h"

#include <array>
#include <string>

namespace assets {

class SheetText {
public:
    explicit SheetText(const std::string& fontPath);
    bool loaded() const { return font_.width() > 0; }
    // Draws one line with its cell's lower left corner at (x, baseline y) in pixels, cells of
    // `size` pixels, in the given colour over what is there.
    void draw(Image& target, double x, double y, double size, const std::string& text, Rgb colour) const;
    double width(const std::string& text, double size) const;
    const Image& bitmap() const { return font_; }

private:
    Image font_;
    int cell_ = 0;
    std::array<float, 256> left_{}, right_{};
};

// Writes the picture as PNG through ImageMagick; returns false if that fails.
bool savePng(const Image& image, const std::string& path);

}  // namespace assets
