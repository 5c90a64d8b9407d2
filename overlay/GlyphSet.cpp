#include "overlay/GlyphSet.h"

#include <GL/gl.h>

#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "scene/BmpReader.h"
#include "scene/GameError.h"

namespace {
constexpr int cellsPerRow = 16;
constexpr int minimumSide = 16;
constexpr unsigned char tab = 9;
constexpr unsigned char space = 32;
// A tab's ink reaches a quarter cell beyond both cell edges: one and a half cells.
constexpr float tabMargin = -0.25f;
// A space keeps a fifth of a cell.
constexpr float spaceMargin = 0.4f;

std::map<std::string, std::unique_ptr<GlyphSet>>& glyphSetCache()
{
    static auto* sets = new std::map<std::string, std::unique_ptr<GlyphSet>>;
    return *sets;
}

bool isPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

bool hasContext() { return glGetString(GL_VERSION) != nullptr; }
}  // namespace

GlyphSet& GlyphSet::get(const std::string& name)
{
    auto found = glyphSetCache().find(name);
    if (found != glyphSetCache().end()) return *found->second;
    const std::string path = "fonts/" + name + ".bmp";
    if (!std::ifstream(path, std::ios::binary).is_open()) throw GameError("Can't open bmp file");
    // The reader has told the player what is wrong with the file; to the game it is no font.
    const std::optional<BmpImage> image = loadBmp(path);
    if (!image) throw GameError("Not supported format");
    return fromImage(name, image->width, image->height, image->data);
}

GlyphSet& GlyphSet::fromImage(const std::string& name, int width, int height, const std::vector<unsigned char>& rgb)
{
    auto found = glyphSetCache().find(name);
    if (found != glyphSetCache().end()) return *found->second;
    if (width != height || width < minimumSide || !isPowerOfTwo(width) ||
        rgb.size() < static_cast<size_t>(width) * height * 3)
        throw GameError("Not supported format");
    std::unique_ptr<GlyphSet> set(new GlyphSet(name, width, rgb));
    return *glyphSetCache().emplace(name, std::move(set)).first->second;
}

void GlyphSet::forget(const std::string& name)
{
    auto found = glyphSetCache().find(name);
    if (found == glyphSetCache().end()) return;
    if (found->second->texturesMade_ && hasContext()) glDeleteTextures(glyphCount, found->second->textures_.data());
    glyphSetCache().erase(found);
}

GlyphSet::GlyphSet(std::string name, int side, const std::vector<unsigned char>& rgb)
    : name_(std::move(name)), cell_(side / cellsPerRow)
{
    const size_t cellBytes = static_cast<size_t>(cell_) * cell_ * 2;
    cellPixels_.resize(cellBytes * glyphCount);
    for (int code = 0; code < glyphCount; ++code) {
        const int firstRow = side - (code / cellsPerRow + 1) * cell_;  // image rows run bottom first
        const int firstColumn = (code % cellsPerRow) * cell_;
        unsigned char* out = &cellPixels_[cellBytes * code];
        int minColumn = cell_, maxColumn = -1;
        for (int row = 0; row < cell_; ++row) {
            for (int column = 0; column < cell_; ++column) {
                const size_t at = (static_cast<size_t>(firstRow + row) * side + firstColumn + column) * 3;
                const unsigned char coverage = rgb[at];
                *out++ = 255;
                *out++ = coverage;
                if (coverage != 0) {
                    if (column < minColumn) minColumn = column;
                    if (column > maxColumn) maxColumn = column;
                }
            }
        }
        if (maxColumn < 0) {  // an empty cell: no width at all
            minColumn = cell_ / 2;
            maxColumn = cell_ / 2 - 1;
        }
        leftMargin_[code] = static_cast<float>(minColumn) / cell_;
        rightMargin_[code] = static_cast<float>(cell_ - maxColumn - 1) / cell_;
    }
    leftMargin_[tab] = rightMargin_[tab] = tabMargin;
    leftMargin_[space] = rightMargin_[space] = spaceMargin;
}

void GlyphSet::bind(unsigned char code)
{
    if (!texturesMade_) makeTextures();
    glBindTexture(GL_TEXTURE_2D, textures_[code]);
}

void GlyphSet::makeTextures()
{
    if (!hasContext()) return;  // try again on a later draw
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // rows of small cells are not 4-byte multiples
    glGenTextures(glyphCount, textures_.data());
    const size_t cellBytes = static_cast<size_t>(cell_) * cell_ * 2;
    for (int code = 0; code < glyphCount; ++code) {
        glBindTexture(GL_TEXTURE_2D, textures_[code]);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, cell_, cell_, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE,
                     &cellPixels_[cellBytes * code]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    std::vector<unsigned char>().swap(cellPixels_);
    texturesMade_ = true;
}
