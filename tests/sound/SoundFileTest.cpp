// Reading sound files as 16-bit stereo: float files are scaled into the 16-bit range rather
// than cast to near-silence, integer files read back exactly as they were written, and the
// frames do not depend on the sizes of the reads.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "sound/SoundFile.h"
#include "tests/support/TemporaryFolder.h"

namespace {
// A mono WAV file in the given encoding; `write` puts the samples in.
template <class Write>
void writeWav(const std::string& path, int encoding, Write write)
{
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | encoding;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    write(file);
    sf_close(file);
}
}  // namespace

TEST(SoundFileTest, FloatFilesAreScaledAndIntegerFilesReadAsWrittenInReadsOfAnySize)
{
    TemporaryFolder folder;
    std::vector<double> sine(2205);
    for (std::size_t i = 0; i < sine.size(); ++i) sine[i] = 0.5 * std::sin(2.0 * std::numbers::pi * 0.02 * i);
    writeWav(folder.file("float.wav"), SF_FORMAT_FLOAT,
             [&](SNDFILE* file) { sf_write_double(file, sine.data(), static_cast<sf_count_t>(sine.size())); });
    const std::vector<std::int16_t> scaled = SoundFile(folder.file("float.wav")).readAll();
    ASSERT_EQ(scaled.size(), 2 * sine.size()) << "mono is read as stereo";
    EXPECT_GT(*std::max_element(scaled.begin(), scaled.end()), 16000) << "not cast to near-silence";

    // Streams refill in pieces of whatever size the device wants; the sound must not depend on
    // it (blocks are decoded whole, since a damaged MP3 decodes otherwise for other read sizes).
    constexpr int frames = 3 * 4096 + 123;  // blocks and a short one
    std::vector<std::int16_t> ramp(frames);
    for (int i = 0; i < frames; ++i) ramp[i] = static_cast<std::int16_t>(i % 30000 - 15000);
    writeWav(folder.file("ramp.wav"), SF_FORMAT_PCM_16,
             [&](SNDFILE* file) { sf_write_short(file, ramp.data(), frames); });
    SoundFile file(folder.file("ramp.wav"));
    const std::vector<std::int16_t> whole = file.readAll();
    ASSERT_EQ(whole.size(), 2u * frames);
    for (int i = 0; i < frames; ++i) {
        ASSERT_EQ(whole[2 * i], ramp[i]) << "frame " << i;
        ASSERT_EQ(whole[2 * i + 1], ramp[i]) << "both sides carry the mono channel";
    }
    for (std::size_t pieceFrames : {1u, 7u, 1001u, 5000u}) {
        ASSERT_TRUE(file.rewind());
        std::vector<std::int16_t> pieces, piece(2 * pieceFrames);
        while (const std::size_t got = file.read(piece.data(), pieceFrames))
            pieces.insert(pieces.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(2 * got));
        EXPECT_EQ(pieces, whole) << "pieces of " << pieceFrames << " frames";
        EXPECT_EQ(file.read(piece.data(), pieceFrames), 0u) << "the end stays the end";
    }
}
