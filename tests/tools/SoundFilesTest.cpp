// The generated sounds, decoded with libsndfile as the game's sound layer does.
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
    int channels = 0, rate = 0, format = 0;
    std::vector<float> samples;  // interleaved
    long frames() const { return channels > 0 ? static_cast<long>(samples.size()) / channels : 0; }
    double seconds() const { return rate > 0 ? static_cast<double>(frames()) / rate : 0.0; }
    double rms(long from, long to) const
    {
        double sum = 0.0;
        for (long i = from * channels; i < to * channels; ++i) sum += static_cast<double>(samples[i]) * samples[i];
        return std::sqrt(sum / static_cast<double>(std::max(1L, (to - from) * channels)));
    }
};

// Each file is decoded once for all tests: the music takes a second apiece.
const Decoded& decode(const std::string& name)
{
    static std::map<std::string, Decoded> cache;
    if (cache.contains(name)) return cache[name];
    Decoded& d = cache[name];
    SF_INFO info{};
    SNDFILE* file = sf_open(DataFolder::path("Sound/" + name).c_str(), SFM_READ, &info);
    if (file == nullptr) return d;
    d = {info.channels, info.samplerate, info.format, {}};
    // MP3 frame counts in headers are not trusted: read until nothing comes.
    std::vector<float> block(4096 * static_cast<size_t>(info.channels));
    for (sf_count_t got; (got = sf_readf_float(file, block.data(), 4096)) > 0;)
        d.samples.insert(d.samples.end(), block.begin(), block.begin() + got * info.channels);
    sf_close(file);
    return d;
}

double decibels(double v) { return 20.0 * std::log10(std::max(v, 1e-12)); }

const struct Expected {
    std::string file;
    double minSeconds, maxSeconds;
    bool loops;
} sounds[] = {
    {"explosion1.wav", 1.0, 4.0, false},   {"explosion2.wav", 2.5, 7.0, false}, {"explosion3.wav", 0.4, 2.0, false},
    {"laser.wav", 0.5, 4.0, true},         {"laser_hit.wav", 0.2, 1.5, false},  {"rocket.wav", 0.5, 2.5, false},
    {"rocket_error.wav", 0.1, 0.6, false}, {"boom.wav", 0.03, 0.15, false},     {"engine.wav", 1.5, 2.5, true},
    {"select.wav", 0.05, 0.4, false},      {"win.wav", 3.0, 6.0, false},        {"lose.wav", 3.0, 6.0, false},
    {"menu.mp3", 60, 180, true},           {"backmusic1.mp3", 60, 180, true},   {"backmusic2.mp3", 60, 180, true},
    {"backmusic3.mp3", 60, 180, true},
};

TEST(SoundFilesTest, EverySoundIsThereInItsFormatAndLengthAudibleWithoutOffsetClickOrSeam)
{
    for (const Expected& e : sounds) {
        SCOPED_TRACE(e.file);
        const Decoded& d = decode(e.file);
        if (d.frames() == 0) {
            ADD_FAILURE() << "missing or unreadable (is the data generated?)";
            continue;
        }
        EXPECT_EQ(d.rate, 44100);
        if (e.file.ends_with(".mp3")) {
            EXPECT_EQ(d.format & SF_FORMAT_TYPEMASK, SF_FORMAT_MPEG);
            EXPECT_EQ(d.channels, 2);
        } else {
            EXPECT_EQ(d.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        }
        EXPECT_GE(d.seconds(), e.minSeconds);
        EXPECT_LE(d.seconds(), e.maxSeconds);
        const float peak = std::ranges::max(d.samples, {}, [](float v) { return std::abs(v); });
        EXPECT_LE(decibels(std::abs(peak)), -1.0);
        EXPECT_GT(decibels(d.rms(0, d.frames())), -35.0) << "too quiet to be of use";
        // An offset costs headroom and thumps where the sound starts and stops.
        for (int c = 0; c < d.channels; ++c) {
            double sum = 0.0;
            for (long i = 0; i < d.frames(); ++i) sum += d.samples[i * d.channels + c];
            EXPECT_LE(std::abs(sum / d.frames()), 0.002) << "offset of channel " << c;
        }
        if (!e.loops) {
            // A sound that stops while still loud clicks at its end: the last 5 ms.
            EXPECT_LT(decibels(d.rms(d.frames() - d.rate / 200, d.frames())), -45.0);
            continue;
        }
        // The step from the last sample to the first against the steps inside the sound.
        std::vector<float> steps;
        for (long i = d.channels; i < static_cast<long>(d.samples.size()); ++i)
            steps.push_back(std::abs(d.samples[i] - d.samples[i - d.channels]));
        const auto typical = steps.begin() + static_cast<long>(steps.size() * 0.999);
        std::nth_element(steps.begin(), typical, steps.end());
        for (int c = 0; c < d.channels; ++c)
            EXPECT_LE(std::abs(d.samples[c] - d.samples[(d.frames() - 1) * d.channels + c]), *typical);
        // No jump in level: the last and first 50 ms differ less than the menu's first beat does.
        const long window = d.rate / 20;
        EXPECT_LT(std::abs(decibels(d.rms(d.frames() - window, d.frames())) - decibels(d.rms(0, window))), 4.5);
    }
    // Nothing else: a sound added later is held to all this too.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(DataFolder::path("Sound")), {}), std::ssize(sounds));
}

TEST(SoundFilesTest, TheShipBlowingUpIsTheBiggestExplosion)
{
    const Decoded &ship = decode("explosion2.wav"), &rock = decode("explosion1.wav"), &hit = decode("explosion3.wav");
    const auto energy = [](const Decoded& d) { return std::pow(d.rms(0, d.frames()), 2) * d.seconds(); };
    EXPECT_GT(ship.seconds(), std::max(rock.seconds(), hit.seconds()));
    EXPECT_GT(energy(ship), 1.5 * energy(rock));
    EXPECT_GT(energy(rock), energy(hit));
}

}  // namespace
