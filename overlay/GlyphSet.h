#pragma once
// GlyphSet: the 256 glyphs of one bitmap font, shared by every Font of that name and kept
// for the whole run. A font file is "fonts/<name>.bmp" (relative to the working folder): a
// square image whose side is a power of two of at least 16 pixels, cut into 16 x 16 cells;
// character code c sits in cell row c / 16 from the top, column c % 16 from the left. The
// red channel is the glyph's coverage (white glyphs on black).
// For each glyph the set knows the empty margins left and right of its ink, as fractions of
// a cell; a tab is one and a half cells wide and a space a fifth of a cell. An empty cell is
// a glyph of zero width.
// The GL textures are made on the first draw, so a set can be loaded and measured without a
// GL context. Textures are never deleted.
#include <array>
#include <string>
#include <vector>

class GlyphSet {
public:
    static constexpr int glyphCount = 256;

    // The set of `name`, loaded on first use. Throws GameError "Can't open bmp file" when the
    // file cannot be opened and "Not supported format" when it is not a font bitmap (nothing
    // is cached then).
    static GlyphSet& get(const std::string& name);
    // The set of `name` made from an RGB image (rows bottom first), unless one of that name
    // is cached already. Throws GameError "Not supported format" as get() does.
    static GlyphSet& fromImage(const std::string& name, int width, int height, const std::vector<unsigned char>& rgb);
    // Drops the cached set of `name` (deleting its textures, if made) so that the next get()
    // reads the file again. For programs that load many fonts under one name, such as the
    // font fuzzer; no Font of that name may be used afterwards.
    static void forget(const std::string& name);

    GlyphSet(const GlyphSet&) = delete;
    GlyphSet& operator=(const GlyphSet&) = delete;

    const std::string& getName() const { return name_; }
    int getCellSize() const { return cell_; }
    float leftMargin(unsigned char code) const { return leftMargin_[code]; }
    float rightMargin(unsigned char code) const { return rightMargin_[code]; }
    // The width of the glyph's ink in cells: 1 minus both margins.
    double inkWidth(unsigned char code) const { return 1.0 - leftMargin_[code] - rightMargin_[code]; }

    // Binds the glyph's texture to GL_TEXTURE_2D, making all textures on the first call.
    void bind(unsigned char code);

private:
    GlyphSet(std::string name, int side, const std::vector<unsigned char>& rgb);
    void makeTextures();

    std::string name_;
    int cell_;
    std::array<unsigned, glyphCount> textures_{};
    std::array<float, glyphCount> leftMargin_{};
    std::array<float, glyphCount> rightMargin_{};
    // Luminance-alpha pixels of every cell, kept only until the textures are made.
    std::vector<unsigned char> cellPixels_;
    bool texturesMade_ = false;
};
