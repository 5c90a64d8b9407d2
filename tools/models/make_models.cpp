// make_models: writes every model file of the game and the textures they name into the
// folder given as the only argument (the run folder's models/).
#include "tools/common/BmpFile.h"
#include "tools/common/ModelFile.h"
#include "tools/models/AsteroidShape.h"
#include "tools/models/Fighter.h"
#include "tools/models/FighterTexture.h"
#include "tools/models/Missile.h"
#include "tools/models/MissileTexture.h"
#include "tools/models/SkyBox.h"
#include "tools/common/Palette.h"
#include "tools/models/RockTexture.h"

#include <cstdio>
#include <exception>
#include <string>

using namespace assets;

namespace {
// The full rock as `file`, its coarser levels as `file`_lod1, _lod2, ...
void writeAsteroid(const std::string& file, AsteroidShape::Kind kind, const std::string& texture, unsigned seed)
{
    ModelFile::write(file, AsteroidShape::make(kind, texture, seed));
    for (int level = 1; level < AsteroidShape::detailLevels; ++level)
        ModelFile::write(file + "_lod" + std::to_string(level), AsteroidShape::make(kind, texture, seed, level));
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_models <models folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    try {
        BmpFile::write24(folder + "rock1.bmp", RockTexture::make(RockTexture::Style::Layered, 512, 11));
        BmpFile::write24(folder + "rock2.bmp", RockTexture::make(RockTexture::Style::Cracked, 512, 23));
        // One paletted texture, so the game's reader meets that kind of file in real data.
        BmpFile::write8Grey(folder + "rock3.bmp", RockTexture::make(RockTexture::Style::Pitted, 512, 37));
        writeAsteroid(folder + "asteroid", AsteroidShape::Kind::Potato, "rock1.bmp", 5);
        writeAsteroid(folder + "asteroid2", AsteroidShape::Kind::Chunk, "rock2.bmp", 17);
        writeAsteroid(folder + "asteroid3", AsteroidShape::Kind::Craggy, "rock3.bmp", 29);
        BmpFile::write24(folder + "fighter.bmp", FighterTexture::paint());
        ModelFile::write(folder + "fighter", Fighter::make("fighter.bmp"));
        const PalettedImage missilePaint = Palette::quantize(MissileTexture::paint());
        BmpFile::write8(folder + "missile.bmp", missilePaint.width, missilePaint.height, missilePaint.indices,
                        missilePaint.palette);
        ModelFile::write(folder + "missile", Missile::make("missile.bmp"));
        const auto sky = SkyBox::paint();
        for (const auto& face : sky) BmpFile::write24(folder + face.texture, face.picture);
        ModelFile::write(folder + "skybox", SkyBox::make(sky));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_models: %s\n", e.what());
        return 1;
    }
    return 0;
}
