// make_seeds: writes the seed corpora of the fuzz targets, one folder per target under the
// given folder: small, valid files of every kind each reader knows, made here from code, and
// the small files of a run folder when one is given. Seeds are kept small on purpose: the
// fuzzer mutates faster and reaches the same code with a 5 x 3 picture as with a 2048 x 2048.
//   make_seeds <seed folder> [<run folder>]
#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Replay.h"
#include "tests/support/BmpBytes.h"
#include "tests/support/ModelBytes.h"
#include "tests/support/TemporaryFolder.h"

namespace fs = std::filesystem;

namespace {
using Bytes = std::vector<unsigned char>;

// Files of a run folder larger than this are left out of the corpora.
constexpr std::uintmax_t largestDataSeed = 64 * 1024;

// ---- models ----

void writeModels(const fs::path& folder)
{
    ModelBytes::square(1.0).write((folder / "square").string());
    ModelBytes::square(0.5, "rock1.bmp").write((folder / "textured").string());

    // A small grid in two groups, one textured and one not.
    ModelBytes grid;
    constexpr int side = 3;
    for (int y = 0; y <= side; ++y) {
        for (int x = 0; x <= side; ++x) {
            grid.vertices.push_back({x * 1.0, y * 1.0, std::sin(x + y)});
            grid.normals.push_back({0, 0, 1});
            grid.uvs.push_back({x / float(side), y / float(side)});
        }
    }
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const auto corner = static_cast<std::uint16_t>(y * (side + 1) + x);
            const auto above = static_cast<std::uint16_t>(corner + side + 1);
            grid.indices.insert(grid.indices.end(), {corner, static_cast<std::uint16_t>(corner + 1), above});
            grid.indices.insert(grid.indices.end(),
                                {static_cast<std::uint16_t>(corner + 1), static_cast<std::uint16_t>(above + 1), above});
        }
    }
    const std::int32_t triangles = static_cast<std::int32_t>(grid.indices.size() / 3);
    grid.groups = {{"fighter.bmp", 0, triangles / 2}, {"", triangles / 2, triangles - triangles / 2}};
    grid.write((folder / "grid").string());

    // A model whose last block is cut short: its missing counts read as 0.
    Bytes cut = ModelBytes::square(2.0).bytes();
    cut.resize(cut.size() - 2);
    writeFile((folder / "cut").string(), cut);
}

// ---- bitmaps ----

void writeBitmaps(const fs::path& folder)
{
    const std::vector<std::pair<std::string, BmpBytes>> layouts = {
        {"1bit", {.bits = 1}},
        {"4bit", {.bits = 4}},
        {"8bit", {.bits = 8}},
        {"16bit", {.bits = 16}},
        {"24bit", {.bits = 24}},
        {"32bit", {.bits = 32}},
        {"16bit-fields", {.bits = 16, .compression = BmpBytes::BitFields}},
        {"32bit-fields", {.bits = 32, .compression = BmpBytes::BitFields}},
        {"rle8", {.width = 7, .height = 4, .bits = 8, .compression = BmpBytes::RunLength8}},
        {"rle4", {.width = 7, .height = 4, .bits = 4, .compression = BmpBytes::RunLength4}},
        {"top-down", {.bits = 24, .topDown = true}},
        {"core-8bit", {.bits = 8, .coreHeader = true}},
        {"core-24bit", {.bits = 24, .coreHeader = true}},
        {"headerless-4bit", {.bits = 4, .fileHeader = false}},
    };
    for (const auto& [name, layout] : layouts) layout.write((folder / (name + ".bmp")).string());
}

// ---- fonts ----

// A font bitmap of `side` pixels: glyphs of different widths in a few cells, white on black.
Bytes fontBitmap(int side, int bits)
{
    const int cell = side / 16;
    Bytes file = BmpBytes{.width = side, .height = side, .bits = bits}.bytes();
    // Paint over the pattern: black, with ink in the cells of 'A' to 'H', wider cell by cell.
    const std::size_t bytesPerPixel = static_cast<std::size_t>(bits) / 8;
    const std::size_t stride = (static_cast<std::size_t>(side) * bytesPerPixel + 3) / 4 * 4;
    const std::size_t pixelStart = file.size() - stride * side;
    std::fill(file.begin() + static_cast<std::ptrdiff_t>(pixelStart), file.end(), 0);
    for (int code = 'A'; code <= 'H'; ++code) {
        const int ink = std::max(1, cell * (code - 'A' + 1) / 8);
        for (int row = 0; row < cell; ++row) {
            const int imageRow = side - (code / 16) * cell - 1 - row;  // bottom row first
            for (int column = 0; column < ink; ++column) {
                const std::size_t at = pixelStart + static_cast<std::size_t>(imageRow) * stride +
                                       static_cast<std::size_t>((code % 16) * cell + column) * bytesPerPixel;
                for (std::size_t b = 0; b < bytesPerPixel; ++b) file[at + b] = 255;
            }
        }
    }
    return file;
}

void writeFonts(const fs::path& folder)
{
    writeFile((folder / "16-24bit.bmp").string(), fontBitmap(16, 24));
    writeFile((folder / "32-24bit.bmp").string(), fontBitmap(32, 24));
    writeFile((folder / "32-8bit.bmp").string(), fontBitmap(32, 8));
    writeFile((folder / "64-8bit-rle.bmp").string(),
              BmpBytes{.width = 64, .height = 64, .bits = 8, .compression = BmpBytes::RunLength8}.bytes());
}

// ---- highscores ----

void writeHighscores(const fs::path& folder)
{
    const std::vector<std::pair<std::string, std::string>> tables = {
        {"three-levels", "Ann\n500\nBob\n300\n\nCy\n90\n\n\n"},
        {"full-level",
         [] {
             std::string text;
             for (int i = 0; i < 12; ++i) text += "player" + std::to_string(i) + "\n" + std::to_string(900 - i) + "\n";
             return text + "\n";
         }()},
        {"windows-lines", "Fay\r\n70\r\n\r\nGil\r\n20\r\n\r\n"},
        {"damaged", "Ann\n400\nBob\n300 \nCy\n200\n\n"},
        {"empty", ""},
    };
    for (const auto& [name, text] : tables) writeFile((folder / name).string(), Bytes(text.begin(), text.end()));
}

// ---- replays ----

void writeReplays(const fs::path& folder)
{
    using E = InputEvent;
    auto write = [&](const std::string& name, const std::string& text) {
        writeFile((folder / name).string(), Bytes(text.begin(), text.end()));
    };
    Replay empty;
    empty.start = {3141592653u, 2, 90.25, {0.5, -0.375, 0.125}, 2, 1280, 720, "new"};
    write("no-frames", replayText(empty));

    Replay game = empty;
    game.runs = {
        {{16667, 16667, {{E::WindowSize, 0, 1280, 720, 0}, {E::PointerMove, 0, 640, 360, 0}}, {}, {}}, 1},
        {{16667, 16667, {}, {}, {}}, 12},
        {{16667, 0, {{E::KeyDown, 'p', 0, 0, 0}, {E::KeyUp, 'p', 0, 0, 0}}, {}, {}}, 3},
        {{20000, 20000, {{E::SpecialDown, 101, 0, 0, 0}, {E::SpecialUp, 101, 0, 0, 0}}, {}, {}}, 1},
        {{16667, 16667, {{E::ButtonDown, 2, 640, 360, 17}, {E::ButtonUp, 2, -3, 65536, 0}}, {}, 0x0123456789abcdefu},
         1},
        {{16667, 16667, {{E::KeyDown, 27, 0, 0, 0}}, true, 0xfedcba9876543210u}, 1},
    };
    game.end = ReplaySummary{game.frameCount(), 1234, 7, 0xfedcba9876543210u};
    write("game", replayText(game));

    Replay runs = empty;
    runs.start.start = "battle";
    runs.runs = {{{16667, 16667, {}, {}, {}}, 10'000'000}, {{33333, 16667, {}, false, {}}, 2}};
    write("runs", replayText(runs));

    game.end.reset();
    const std::string whole = replayText(game);
    write("cut-short", whole.substr(0, whole.size() - 7));
}

// ---- sounds ----

bool writeSound(const fs::path& path, int format, int channels, int rate, int frames)
{
    SF_INFO info{};
    info.format = format;
    info.channels = channels;
    info.samplerate = rate;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return false;
    std::vector<short> samples(static_cast<std::size_t>(frames) * channels);
    for (int f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            samples[static_cast<std::size_t>(f) * channels + c] =
                static_cast<short>(12000 * std::sin(0.05 * f * (c + 1)) * (1.0 - double(f) / frames));
    sf_writef_short(file, samples.data(), frames);
    sf_close(file);
    return true;
}

void writeSounds(const fs::path& folder)
{
    const int wav = SF_FORMAT_WAV;
    const struct {
        const char* name;
        int format, channels, rate, frames;
    } sounds[] = {
        {"pcm16-stereo.wav", wav | SF_FORMAT_PCM_16, 2, 8000, 400},
        {"pcm16-mono.wav", wav | SF_FORMAT_PCM_16, 1, 11025, 300},
        {"pcm8-mono.wav", wav | SF_FORMAT_PCM_U8, 1, 8000, 300},
        {"float-stereo.wav", wav | SF_FORMAT_FLOAT, 2, 22050, 200},
        {"ima-adpcm.wav", wav | SF_FORMAT_IMA_ADPCM, 1, 8000, 1200},
        {"ms-adpcm.wav", wav | SF_FORMAT_MS_ADPCM, 2, 8000, 1200},
        {"pcm16-three-channels.wav", wav | SF_FORMAT_PCM_16, 3, 8000, 200},
        {"extensible.wav", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 2, 8000, 200},
        {"layer3.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 1, 8000, 2400},
    };
    for (const auto& sound : sounds) {
        if (!writeSound(folder / sound.name, sound.format, sound.channels, sound.rate, sound.frames))
            std::fprintf(stderr, "make_seeds: libsndfile cannot write %s here; left out\n", sound.name);
    }
}

// The small files of `source` whose names end in one of `endings` ("" takes every file).
void copySmallFiles(const fs::path& source, const std::vector<std::string>& endings, const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_directory(source, error)) return;
    for (const auto& entry : fs::directory_iterator(source)) {
        if (!entry.is_regular_file() || entry.file_size() > largestDataSeed) continue;
        const std::string name = entry.path().filename().string();
        for (const std::string& ending : endings) {
            const bool matches = ending.empty() ? name.find('.') == std::string::npos : name.ends_with(ending);
            if (!matches) continue;
            fs::copy_file(entry.path(), folder / ("data-" + name), fs::copy_options::overwrite_existing);
            break;
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
    writeBitmaps(seeds / "bmp");
    writeFonts(seeds / "font");
    writeHighscores(seeds / "highscore");
    writeSounds(seeds / "sound");
    writeReplays(seeds / "replay");
    if (argc == 3) {
        const fs::path data = argv[2];
        copySmallFiles(data / "models", {""}, seeds / "model");
        copySmallFiles(data / "models", {".bmp"}, seeds / "bmp");
        copySmallFiles(data / "Sound", {".wav", ".mp3"}, seeds / "sound");
    }
    return 0;
}
