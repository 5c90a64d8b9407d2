// make_seeds: writes the seed corpora of the fuzz targets, one folder per target under the
// given folder: small, valid files of every kind each reader knows, made here from code, and
// the small files of a run folder when one is given. Seeds are kept small on purpose: the
// fuzzer mutates faster and reaches the same code with a 5 x 3 picture as with a 2048 x 2048.
//   make_seeds <seed folder> [<run folder>]
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Replay.h"
#include "tests/support/BmpBytes.h"
#include "tests/support/ModelBytes.h"
#include "tests/support/TemporaryFolder.h"

namespace fs = std::filesystem;

namespace {
void writeText(const fs::path& file, const std::string& text)
{
    writeFile(file.string(), std::vector<unsigned char>(text.begin(), text.end()));
}

void writeModels(const fs::path& folder)
{
    ModelBytes::square(1.0).write((folder / "square").string());
    ModelBytes twoGroups = ModelBytes::square(0.5);
    twoGroups.groups = {{"fighter.bmp", 0, 1}, {"", 1, 1}};
    twoGroups.write((folder / "two-groups").string());
    // A model whose last block is cut short: its missing counts read as 0.
    std::vector<unsigned char> cut = twoGroups.bytes();
    cut.resize(cut.size() - 2);
    writeFile((folder / "cut").string(), cut);
}

// A `side` x `side` font bitmap drawn by ImageMagick from Liberation Sans: the printable ASCII
// characters, white on black in the 16 x 16 cells of the game's font files, in 24 bits per pixel
// or, when `eightBit`, 8 (a grey palette). False if ImageMagick failed.
bool writeFontBitmap(const std::string& path, int side, bool eightBit)
{
    const double cell = side / 16.0;
    // ImageMagick's policy forbids reading a drawing from a file with -draw @file, but it
    // reads a drawing given as an MVG image.
    std::ostringstream mvg;
    mvg << "viewbox 0 0 " << side << ' ' << side << "\nfill black\nrectangle 0,0 " << side << ',' << side << '\n'
        << "font \"/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf\"\nfont-size " << cell * 0.72
        << "\nfill white\n";
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

// Every layout the bitmap reader knows; the font loader gets them too, as square pictures,
// beside real glyphs.
void writeBitmaps(const fs::path& bmpFolder, const fs::path& fontFolder)
{
    for (BmpBytes layout : BmpBytes::everyLayout()) {
        layout.write((bmpFolder / (layout.name + std::string(".bmp"))).string());
        layout.width = layout.height = 32;
        layout.write((fontFolder / (layout.name + std::string(".bmp"))).string());
    }
    const TemporaryFolder drawings;  // ImageMagick leaves its drawings beside the bitmap
    for (const bool eightBit : {false, true}) {
        const std::string name = eightBit ? "glyphs-8bit.bmp" : "glyphs.bmp";
        if (writeFontBitmap(drawings.file(name), 64, eightBit))
            fs::copy_file(drawings.file(name), fontFolder / name);
        else
            std::fprintf(stderr, "make_seeds: ImageMagick cannot draw %s here; left out\n", name.c_str());
    }
}

void writeHighscores(const fs::path& folder)
{
    std::string full;
    for (int i = 0; i < 12; ++i) full += "player" + std::to_string(i) + "\n" + std::to_string(900 - i) + "\n";
    writeText(folder / "three-levels", "Ann\n500\nBob\n300\n\nCy\n90\n\n\n");
    writeText(folder / "full-level", full + "\n");
    writeText(folder / "windows-lines", "Fay\r\n70\r\n\r\nGil\r\n20\r\n\r\n");
    writeText(folder / "damaged", "Ann\n400\nBob\n300 \nCy\n200\n\n");
    writeText(folder / "empty", "");
}

// Every kind of frame token, runs long and short, both kinds of start, and a game cut short
// by a crash.
void writeReplays(const fs::path& folder)
{
    using E = InputEvent;
    Replay game;
    game.start = {3141592653u, 2, 90.25, {0.5, -0.375, 0.125}, 2, 1280, 720, "battle"};
    game.runs = {
        {{16667, 16667, {{E::WindowSize, 0, 1280, 720, 0}, {E::PointerMove, 0, 640, 360, 0}}, {}, {}}, 1},
        {{16667, 16667, {}, {}, {}}, 10'000'000},
        {{16667, 0, {{E::KeyDown, 'p', 0, 0, 0}, {E::KeyUp, 'p', 0, 0, 0}}, {}, {}}, 3},
        {{20000, 20000, {{E::SpecialDown, 101, 0, 0, 0}, {E::SpecialUp, 101, 0, 0, 0}}, false, {}}, 1},
        {{16667, 16667, {{E::ButtonDown, 2, 640, 360, 17}, {E::ButtonUp, 2, -3, 65536, 0}}, {}, 0x0123456789abcdefu},
         1},
        {{16667, 16667, {{E::KeyDown, 27, 0, 0, 0}}, true, 0xfedcba9876543210u}, 1},
    };
    game.end = ReplaySummary{game.frameCount(), 1234, 7, 0xfedcba9876543210u};
    writeText(folder / "game", replayText(game));
    game.end.reset();
    game.start.start = "new";
    const std::string cut = replayText(game);
    writeText(folder / "cut-short", cut.substr(0, cut.size() - 7));
}

// Short sounds in the formats and channel counts the game's reader treats apart: whole numbers
// and floating point, one, two and more channels, frames in blocks, MP3.
void writeSounds(const fs::path& folder)
{
    const int wav = SF_FORMAT_WAV;
    const struct {
        const char* name;
        int format, channels, rate, frames;
    } sounds[] = {
        {"pcm16-stereo.wav", wav | SF_FORMAT_PCM_16, 2, 8000, 400},
        {"pcm16-mono.wav", wav | SF_FORMAT_PCM_16, 1, 11025, 300},
        {"float-stereo.wav", wav | SF_FORMAT_FLOAT, 2, 22050, 200},
        {"ima-adpcm.wav", wav | SF_FORMAT_IMA_ADPCM, 1, 8000, 1200},
        {"pcm16-three-channels.wav", wav | SF_FORMAT_PCM_16, 3, 8000, 200},
        {"layer3.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 1, 8000, 2400},
    };
    for (const auto& sound : sounds) {
        SF_INFO info{.samplerate = sound.rate, .channels = sound.channels, .format = sound.format};
        SNDFILE* file = sf_open((folder / sound.name).c_str(), SFM_WRITE, &info);
        if (file == nullptr) {
            std::fprintf(stderr, "make_seeds: libsndfile cannot write %s here; left out\n", sound.name);
            continue;
        }
        // A fading tone, higher in each further channel.
        std::vector<short> samples;
        for (int f = 0; f < sound.frames; ++f)
            for (int c = 1; c <= sound.channels; ++c)
                samples.push_back(
                    static_cast<short>(12000 * std::sin(0.05 * f * c) * (sound.frames - f) / sound.frames));
        sf_writef_short(file, samples.data(), sound.frames);
        sf_close(file);
    }
}

// The small files of a run folder join the corpora of the readers they are meant for.
void copyDataFiles(const fs::path& data, const fs::path& seeds)
{
    std::error_code missing;
    for (const std::string folder : {"models", "Sound"}) {
        for (const auto& entry : fs::directory_iterator(data / folder, missing)) {
            if (!entry.is_regular_file() || entry.file_size() > 64 * 1024) continue;
            const fs::path name = entry.path().filename();
            const char* target = folder == "Sound" ? "sound" : name.has_extension() ? "bmp" : "model";
            fs::copy_file(entry.path(), seeds / target / ("data-" + name.string()),
                          fs::copy_options::overwrite_existing);
        }
    }
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_seeds <seed folder> [<run folder>]\n");
        return 2;
    }
    const fs::path seeds = argv[1];
    for (const char* target : {"model", "bmp", "font", "highscore", "sound", "replay"}) {
        fs::remove_all(seeds / target);
        fs::create_directories(seeds / target);
    }
    writeModels(seeds / "model");
    writeBitmaps(seeds / "bmp", seeds / "font");
    writeHighscores(seeds / "highscore");
    writeSounds(seeds / "sound");
    writeReplays(seeds / "replay");
    if (argc == 3) copyDataFiles(argv[2], seeds);
    return 0;
}
