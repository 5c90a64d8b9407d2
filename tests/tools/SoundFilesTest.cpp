// The generated sounds, decoded with libsndfile as the game's sound layer does: every file
// present and readable at 44.1 kHz, never silent, peaks at or below -1 dBFS, no DC offset,
// one-shots that end in silence, loops whose end runs into their start without a step, and
// lengths that fit their use.
#include "tests/support/DataFolder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

struct Decoded {
    bool ok = false;
    int channels = 0, rate = 0, format = 0;
    std::vector<float> samples;  // interleaved
    long frames() const { return channels > 0 ? static_cast<long>(samples.size()) / channels : 0; }
    double seconds() const { return rate > 0 ? static_cast<double>(frames()) / rate : 0.0; }
};

Decoded decodeFile(const std::string& name)
{
    Decoded d;
    SF_INFO info{};
    SNDFILE* file = sf_open(DataFolder::path("Sound/" + name).c_str(), SFM_READ, &info);
    if (file == nullptr) return d;
    d.channels = info.channels;
    d.rate = info.samplerate;
    d.format = info.format;
    // MP3 frame counts in headers are not trusted: read until nothing comes.
    std::vector<float> block(4096 * static_cast<size_t>(info.channels));
    for (sf_count_t got; (got = sf_readf_float(file, block.data(), 4096)) > 0;)
        d.samples.insert(d.samples.end(), block.begin(), block.begin() + got * info.channels);
    sf_close(file);
    d.ok = d.frames() > 0;
    return d;
}

// Each file is decoded once for all tests: the music takes a second apiece.
const Decoded& decode(const std::string& name)
{
    static std::map<std::string, Decoded> cache;
    const auto found = cache.find(name);
    if (found != cache.end()) return found->second;
    return cache[name] = decodeFile(name);
}

double decibels(double v) { return 20.0 * std::log10(std::max(v, 1e-12)); }

double peakOf(const Decoded& d)
{
    float p = 0.0f;
    for (float v : d.samples) p = std::max(p, std::abs(v));
    return p;
}

double rmsOf(const Decoded& d, long from, long to)
{
    double sum = 0.0;
    for (long i = from * d.channels; i < to * d.channels; ++i) sum += static_cast<double>(d.samples[i]) * d.samples[i];
    return std::sqrt(sum / std::max(1L, (to - from) * d.channels));
}

struct Expected {
    const char* file;
    double minSeconds, maxSeconds;
    bool loops;
};

const Expected effects[] = {
    {"explosion1.wav", 1.0, 4.0, false}, {"explosion2.wav", 2.5, 7.0, false}, {"explosion3.wav", 0.4, 2.0, false},
    {"laser.wav", 0.5, 4.0, true},       {"laser_hit.wav", 0.2, 1.5, false},  {"rocket.wav", 0.5, 2.5, false},
    {"rocket_error.wav", 0.1, 0.6, false}, {"boom.wav", 0.03, 0.15, false},  {"engine.wav", 1.5, 2.5, true},
    {"select.wav", 0.05, 0.4, false},    {"win.wav", 3.0, 6.0, false},        {"lose.wav", 3.0, 6.0, false},
};
const Expected music[] = {
    {"menu.mp3", 60, 180, true}, {"backmusic1.mp3", 60, 180, true}, {"backmusic2.mp3", 60, 180, true},
    {"backmusic3.mp3", 60, 180, true},
};

class SoundFilesTest : public ::testing::Test {};

TEST_F(SoundFilesTest, EffectsAre16BitWavesOfFittingLength)
{
    for (const Expected& e : effects) {
        SCOPED_TRACE(e.file);
        const Decoded& d = decode(e.file);
        ASSERT_TRUE(d.ok) << "missing or unreadable (is the data generated?)";
        EXPECT_EQ(d.rate, 44100);
        EXPECT_EQ(d.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
        EXPECT_EQ(d.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_16);
        EXPECT_GE(d.seconds(), e.minSeconds);
        EXPECT_LE(d.seconds(), e.maxSeconds);
    }
}

TEST_F(SoundFilesTest, MusicIsStereoMp3OfFittingLength)
{
    for (const Expected& e : music) {
        SCOPED_TRACE(e.file);
        const Decoded& d = decode(e.file);
        ASSERT_TRUE(d.ok) << "missing or unreadable (is the data generated?)";
        EXPECT_EQ(d.rate, 44100);
        EXPECT_EQ(d.channels, 2);
        EXPECT_EQ(d.format & SF_FORMAT_TYPEMASK, SF_FORMAT_MPEG);
        EXPECT_GE(d.seconds(), e.minSeconds);
        EXPECT_LE(d.seconds(), e.maxSeconds);
    }
}

TEST_F(SoundFilesTest, EverySoundIsAudibleAndPeaksBelowMinusOneDecibel)
{
    std::vector<Expected> all(std::begin(effects), std::end(effects));
    all.insert(all.end(), std::begin(music), std::end(music));
    for (const Expected& e : all) {
        SCOPED_TRACE(e.file);
        const Decoded& d = decode(e.file);
        if (!d.ok) continue;  // reported above
        EXPECT_LE(decibels(peakOf(d)), -1.0);
        EXPECT_GT(decibels(rmsOf(d, 0, d.frames())), -35.0) << "too quiet to be of use";
    }
}

TEST_F(SoundFilesTest, NoSoundHasADcOffset)
{
    // An offset costs headroom and thumps where the sound starts and stops. Every file of the
    // folder, so that a sound added later is held to it too.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DataFolder::path("Sound"))) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++files;
        const Decoded& d = decode(name);
        ASSERT_TRUE(d.ok);
        for (int c = 0; c < d.channels; ++c) {
            double sum = 0.0;
            for (long i = 0; i < d.frames(); ++i) sum += d.samples[i * d.channels + c];
            EXPECT_LE(std::abs(sum / d.frames()), 0.002) << "channel " << c;
        }
    }
    EXPECT_EQ(files, static_cast<int>(std::size(effects) + std::size(music)));
}

TEST_F(SoundFilesTest, OneShotsEndInSilence)
{
    // A sound that stops while still loud clicks at its end.
    for (const Expected& e : effects) {
        if (e.loops) continue;
        SCOPED_TRACE(e.file);
        const Decoded& d = decode(e.file);
        if (!d.ok) continue;
        const long tail = d.rate / 200;  // the last 5 ms
        EXPECT_LT(decibels(rmsOf(d, d.frames() - tail, d.frames())), -45.0);
    }
}

TEST_F(SoundFilesTest, LoopsRunOnWithoutASeam)
{
    std::vector<Expected> loops;
    for (const Expected& e : effects)
        if (e.loops) loops.push_back(e);
    loops.insert(loops.end(), std::begin(music), std::end(music));
    for (const Expected& e : loops) {
        SCOPED_TRACE(e.file);
        const Decoded& d = decode(e.file);
        if (!d.ok) continue;
        // The step from the last sample to the first against the steps inside the sound.
        std::vector<float> steps;
        for (long i = 0; i + 1 < d.frames(); ++i)
            for (int c = 0; c < d.channels; ++c)
                steps.push_back(std::abs(d.samples[(i + 1) * d.channels + c] - d.samples[i * d.channels + c]));
        std::nth_element(steps.begin(), steps.begin() + static_cast<long>(steps.size() * 0.999), steps.end());
        const float typical = steps[static_cast<size_t>(steps.size() * 0.999)];
        for (int c = 0; c < d.channels; ++c)
            EXPECT_LE(std::abs(d.samples[c] - d.samples[(d.frames() - 1) * d.channels + c]), typical);
        // And no jump in level: the last and the first 50 ms match, within what the music does
        // itself where a bar begins (the menu's first beat is 4.1 dB above its last 50 ms). A
        // limiter or a fold-back gone wrong at the seam makes far more.
        const long window = d.rate / 20;
        const double ratio = decibels(rmsOf(d, d.frames() - window, d.frames())) - decibels(rmsOf(d, 0, window));
        EXPECT_LT(std::abs(ratio), 4.5);
    }
}

TEST_F(SoundFilesTest, TheShipBlowingUpIsTheBiggestExplosion)
{
    const Decoded &ship = decode("explosion2.wav"), &rock = decode("explosion1.wav"), &hit = decode("explosion3.wav");
    ASSERT_TRUE(ship.ok && rock.ok && hit.ok);
    auto energy = [](const Decoded& d) { return std::pow(rmsOf(d, 0, d.frames()), 2) * d.seconds(); };
    EXPECT_GT(ship.seconds(), rock.seconds());
    EXPECT_GT(ship.seconds(), hit.seconds());
    EXPECT_GT(energy(ship), 1.5 * energy(rock));
    EXPECT_GT(energy(rock), energy(hit));
}

}  // namespace
