// Rendering and encoding: a loop comes back exactly as long as its beats with its tail
// folded onto its start, and the MP3 writer's header lets a decoder restore the exact
// length (which is what keeps the game's music loops gapless).
#include "tools/music/FluidRenderer.h"
#include "tools/music/Mp3Writer.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <filesystem>
#include <numbers>

using assets::FluidRenderer;
using assets::Mp3Writer;
using assets::Score;
using assets::Stereo;

namespace {
const char* soundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

double rms(const Stereo& s, size_t from, size_t to)
{
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) sum += s.left[i] * s.left[i] + s.right[i] * s.right[i];
    return std::sqrt(sum / (2.0 * (to - from)));
}
}  // namespace

TEST(FluidRendererTest, LoopCarriesItsTailRoundToItsStart)
{
    if (!std::filesystem::exists(soundFont)) GTEST_SKIP() << "no General MIDI font installed";
    Score s;
    s.bpm = 120.0;
    s.beats = 8.0;  // four seconds
    s.instrument(0, 48, 110, 64, 100);  // strings: a slow release and reverb
    s.add(0, 6.0, 2.0, 60, 110);         // sounds until the loop point, then rings on
    const Stereo sound = FluidRenderer::render(s, soundFont);
    EXPECT_EQ(sound.frames(), 4u * 44100u);
    // The loop starts silent in the score, yet its first tenth of a second carries the
    // string's release from the previous pass; two seconds in, only a reverb remnant is left.
    const double head = rms(sound, 0, 4410), middle = rms(sound, 2 * 44100, 2 * 44100 + 4410);
    EXPECT_GT(head, 1e-3);
    EXPECT_GT(head, 100.0 * middle);
}

TEST(Mp3WriterTest, DecodesToExactlyTheLengthItWasGiven)
{
    Stereo s(44100 + 1234);  // deliberately not a whole number of MP3 frames
    for (size_t i = 0; i < s.frames(); ++i)
        s.left[i] = s.right[i] = static_cast<float>(0.3 * std::sin(2.0 * std::numbers::pi * 440.0 * i / 44100.0));
    const std::string path = (std::filesystem::temp_directory_path() / "mp3_writer_test.mp3").string();
    Mp3Writer::write(path, s);
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr);
    std::vector<float> block(4096 * 2);
    size_t frames = 0;
    for (sf_count_t got; (got = sf_readf_float(file, block.data(), 4096)) > 0;) frames += static_cast<size_t>(got);
    sf_close(file);
    std::filesystem::remove(path);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(frames, s.frames()) << "encoder delay and padding must be trimmed by the header";
}
