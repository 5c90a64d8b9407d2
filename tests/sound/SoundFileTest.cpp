// Reading sound files as 16-bit stereo: float files are scaled into the 16-bit range rather
// than cast to near-silence, integer files read back exactly as they were written, and the
// frames do not depend on the sizes of the reads.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "sound/SoundFile.h"
#include "tests/support/TemporaryFolder.h"

namespace {
constexpr int rate = 22050, frames = 2205;
constexpr double amplitude = 0.5;

std::vector<double> sine()
{
    std::vector<double> values(frames);
    for (int i = 0; i < frames; ++i) values[i] = amplitude * std::sin(2.0 * std::numbers::pi * 441.0 * i / rate);
    return values;
}

// A mono WAV file in the given encoding; `write` puts the samples in.
template <class Write>
void writeWav(const std::string& path, int encoding, Write write)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | encoding;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    write(file);
    sf_close(file);
}

int peakOf(const std::vector<std::int16_t>& samples)
{
    int peak = 0;
    for (std::int16_t sample : samples) peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return peak;
}
}  // namespace

TEST(SoundFileTest, FloatFilesAreScaledAndIntegerFilesReadAsWritten)
{
    TemporaryFolder folder;
    writeWav(folder.file("float.wav"), SF_FORMAT_FLOAT,
             [](SNDFILE* file) { sf_write_double(file, sine().data(), frames); });
    std::vector<std::int16_t> written(frames);
    for (int i = 0; i < frames; ++i) written[i] = static_cast<std::int16_t>(std::lround(sine()[i] * 32767));
    writeWav(folder.file("pcm.wav"), SF_FORMAT_PCM_16,
             [&](SNDFILE* file) { sf_write_short(file, written.data(), frames); });

    SoundFile floating(folder.file("float.wav"));
    const std::vector<std::int16_t> scaled = floating.readAll();
    ASSERT_EQ(scaled.size(), 2u * frames) << "mono is read as stereo";
    EXPECT_GT(peakOf(scaled), 16000) << "not cast to near-silence";

    SoundFile integer(folder.file("pcm.wav"));
    const std::vector<std::int16_t> read = integer.readAll();
    ASSERT_EQ(read.size(), 2u * frames);
    for (int i = 0; i < frames; ++i) {
        ASSERT_EQ(read[2 * i], written[i]) << "frame " << i;
        ASSERT_EQ(read[2 * i + 1], written[i]) << "both sides carry the mono channel";
    }
}

// Streams refill in pieces of whatever size the device wants; the sound must not depend on it
// (blocks are decoded whole, since a damaged MP3 decodes otherwise for other read sizes).
TEST(SoundFileTest, ReadsOfAnySizeGiveTheSameFramesAndARewindStartsOver)
{
    TemporaryFolder folder;
    constexpr int longFrames = 3 * 4096 + 123;  // blocks and a short one
    std::vector<std::int16_t> ramp(longFrames);
    for (int i = 0; i < longFrames; ++i) ramp[i] = static_cast<std::int16_t>(i % 30000 - 15000);
    writeWav(folder.file("ramp.wav"), SF_FORMAT_PCM_16,
             [&](SNDFILE* file) { sf_write_short(file, ramp.data(), longFrames); });

    SoundFile file(folder.file("ramp.wav"));
    const std::vector<std::int16_t> whole = file.readAll();
    ASSERT_EQ(whole.size(), 2u * longFrames);
    for (std::size_t pieceFrames : {1u, 7u, 1001u, 5000u}) {
        ASSERT_TRUE(file.rewind());
        std::vector<std::int16_t> pieces, piece(2 * pieceFrames);
        while (const std::size_t got = file.read(piece.data(), pieceFrames))
            pieces.insert(pieces.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(2 * got));
        EXPECT_EQ(pieces, whole) << "pieces of " << pieceFrames << " frames";
        EXPECT_EQ(file.read(piece.data(), pieceFrames), 0u) << "the end stays the end";
    }
}
