#pragma once
// Font: a bitmap font in one colour and size, drawing single lines of text. The glyphs come
// from the GlyphSet of the font's name, shared by all fonts of that name; colour and size
// belong to each font. The size is the side of one glyph cell in overlay units.
// A line starts 0.1 cell sizes right of the origin with its first glyph's ink, and glyphs
// keep 0.1 cell sizes between their ink. Lines are single lines: a line break is an ordinary
// (usually empty) glyph here.
#include <string>

#include "overlay/GlyphSet.h"
#include "scene/Color.h"

class Font {
public:
    // Throws GameError when the glyph set cannot be loaded (see GlyphSet::get).
    Font(const std::string& name, const Color& color);

    void setColor(const Color& color) { color_ = color; }
    Color getColor() const { return color_; }
    // A size that is not finite is ignored.
    void setSize(double size);
    double getSize() const { return size_; }
    const GlyphSet& glyphs() const { return *glyphs_; }

    // The width of `line` from the origin to 0.1 sizes past its last ink; an empty line is
    // 0.1 sizes wide.
    double lineWidth(const std::string& line) const;
    // Draws `line` with the lower left corner of its first glyph cell near the origin,
    // blended in the font colour. Leaves GL_BLEND as it found it.
    void drawLine(const std::string& line);

    static constexpr double defaultSize = 0.1;
    // The gap between glyphs, and before the first one, in sizes.
    static constexpr double spacing = 0.1;

private:
    GlyphSet* glyphs_;
    Color color_;
    double size_ = defaultSize;
};
