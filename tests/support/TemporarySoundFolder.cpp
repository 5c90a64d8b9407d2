#include "tests/support/TemporarySoundFolder.h"

#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <stdexcept>

namespace {
constexpr int sampleRate = 44100;

void writeFile(const std::filesystem::path& path, const std::vector<double>& frames, int channels)
{
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format =
        path.extension() == ".mp3" ? (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) : (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) throw std::runtime_error("cannot write " + path.string() + ": " + sf_strerror(nullptr));
    sf_writef_double(file, frames.data(), static_cast<sf_count_t>(frames.size()) / channels);
    sf_close(file);
}

void appendTone(std::vector<double>& frames, double frequency, double seconds, double amplitude, int channels)
{
    const auto count = static_cast<long>(std::lround(seconds * sampleRate));
    for (long i = 0; i < count; ++i) {
        const double value =
            amplitude * std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(i) / sampleRate);
        for (int channel = 0; channel < channels; ++channel) frames.push_back(value);
    }
}
}  // namespace

TemporarySoundFolder::TemporarySoundFolder()
{
    std::filesystem::create_directory(folder_.path() / "Sound");
    folder_.enter();
}

void TemporarySoundFolder::writeTone(const std::string& fileName, double frequency, double seconds, double amplitude,
                                     int channels) const
{
    std::vector<double> frames;
    appendTone(frames, frequency, seconds, amplitude, channels);
    writeFile(soundFile(fileName), frames, channels);
}

void TemporarySoundFolder::writeTones(const std::string& fileName, const std::vector<double>& frequencies,
                                      double segmentSeconds, double amplitude) const
{
    std::vector<double> frames;
    for (double frequency : frequencies) appendTone(frames, frequency, segmentSeconds, amplitude, 2);
    writeFile(soundFile(fileName), frames, 2);
}

void TemporarySoundFolder::writeBytes(const std::string& fileName, const std::string& bytes) const
{
    std::ofstream(soundFile(fileName), std::ios::binary) << bytes;
}

void TemporarySoundFolder::remove(const std::string& fileName) const { std::filesystem::remove(soundFile(fileName)); }
