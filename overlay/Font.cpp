#include "overlay/Font.h"

#include <GL/gl.h>

#include <cmath>

Font::Font(const std::string& name, const Color& color) : glyphs_(&GlyphSet::get(name)), color_(color) {}

void Font::setSize(double size)
{
    if (std::isfinite(size)) size_ = size;
}

double Font::lineWidth(const std::string& line) const
{
    double cells = spacing * (static_cast<double>(line.size()) + 1.0);
    for (char c : line) cells += glyphs_->inkWidth(static_cast<unsigned char>(c));
    return size_ * cells;
}

void Font::drawLine(const std::string& line)
{
    glEnable(GL_TEXTURE_2D);
    const bool blendWasOn = glIsEnabled(GL_BLEND);
    if (!blendWasOn) glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // The glyph textures are white with the coverage as alpha; in GL_BLEND mode the texture
    // picks the environment colour, and the fragment alpha scales the coverage.
    glColor4f(0.0f, 0.0f, 0.0f, static_cast<float>(color_.alpha()));
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND);
    color_.applyAsTextureEnvironment();
    if (!line.empty()) {
        const auto glyph = [](char c) { return static_cast<unsigned char>(c); };
        double penX = (spacing - glyphs_->leftMargin(glyph(line[0]))) * size_;
        for (size_t i = 0; i < line.size(); ++i) {
            const unsigned char code = glyph(line[i]);
            const unsigned char next = i + 1 < line.size() ? glyph(line[i + 1]) : 0;
            glyphs_->bind(code);
            glBegin(GL_QUADS);
            glTexCoord2d(0, 0);
            glVertex3d(penX, 0, 0);
            glTexCoord2d(1, 0);
            glVertex3d(penX + size_, 0, 0);
            glTexCoord2d(1, 1);
            glVertex3d(penX + size_, size_, 0);
            glTexCoord2d(0, 1);
            glVertex3d(penX, size_, 0);
            glEnd();
            penX += (1.0 - glyphs_->rightMargin(code) - glyphs_->leftMargin(next) + spacing) * size_;
        }
    }
    if (!blendWasOn) glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
