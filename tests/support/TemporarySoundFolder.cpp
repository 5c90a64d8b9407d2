#include "tests/support/TemporarySoundFolder.h"

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

TemporarySoundFolder::TemporarySoundFolder()
{
    std::filesystem::create_directory(path() / "Sound");
    enter();
}

void TemporarySoundFolder::writeTones(const std::string& fileName, const std::vector<double>& frequencies,
                                      double seconds, double amplitude, int channels) const
{
    constexpr int rate = 44100;
    const long count = std::lround(seconds * rate);
    std::vector<double> frames;
    for (double frequency : frequencies)
        for (long i = 0; i < count; ++i)
            frames.insert(frames.end(), channels,
                          amplitude * std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(i) / rate));
    const std::filesystem::path file = soundFile(fileName);
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format =
        file.extension() == ".mp3" ? (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) : (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    SNDFILE* sound = sf_open(file.c_str(), SFM_WRITE, &info);
    if (sound == nullptr) throw std::runtime_error("cannot write " + file.string() + ": " + sf_strerror(nullptr));
    sf_writef_double(sound, frames.data(), static_cast<sf_count_t>(frames.size()) / channels);
    sf_close(sound);
}
