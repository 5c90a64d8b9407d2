// sound_report: prints length, peak, RMS and loop-seam figures of every sound in a folder,
// and with --spectrograms <folder> also draws a spectrogram PNG of each music piece (sox).
// Usage: sound_report <Sound folder> [--spectrograms <output folder>] [--clicks <file>]
#include "tools/show/SoundStats.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace assets;

namespace {
// Writes the sound as a 16-bit WAV for sox, which cannot read MP3 on this system.
bool writeWav(const std::string& path, const SoundStats& s)
{
    SF_INFO info{};
    info.channels = s.channels;
    info.samplerate = s.rate;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return false;
    sf_writef_float(file, s.samples.data(), s.frames);
    sf_close(file);
    return true;
}

// The sharpest jumps between neighbouring samples, where a click would be.
void listClicks(const SoundStats& s)
{
    std::vector<std::pair<float, long>> jumps;
    for (long i = 0; i + 1 < s.frames; ++i) {
        float j = 0.0f;
        for (int ch = 0; ch < s.channels; ++ch)
            j = std::max(j, std::abs(s.samples[(i + 1) * s.channels + ch] - s.samples[i * s.channels + ch]));
        jumps.push_back({j, i});
    }
    std::partial_sort(jumps.begin(), jumps.begin() + std::min<size_t>(10, jumps.size()), jumps.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t k = 0; k < std::min<size_t>(10, jumps.size()); ++k)
        std::printf("  step %.4f at %.4f s\n", jumps[k].first, static_cast<double>(jumps[k].second) / s.rate);
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: sound_report <Sound folder> [--spectrograms <folder>] [--clicks <file>]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::string spectrograms, clicks;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--spectrograms") spectrograms = argv[i + 1];
        if (std::string(argv[i]) == "--clicks") clicks = argv[i + 1];
    }
    if (!clicks.empty()) {
        const SoundStats s = SoundStats::of((folder / clicks).string());
        listClicks(s);
        return s.readable ? 0 : 1;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".wav" || entry.path().extension() == ".mp3") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::printf("%-18s %3s %6s %8s %8s %8s %10s %10s\n", "file", "ch", "rate", "seconds", "peak dB", "RMS dB",
                "seam/step", "seam dB");
    bool ok = true;
    for (const auto& path : files) {
        const SoundStats s = SoundStats::of(path.string());
        if (!s.readable) {
            std::printf("%-18s unreadable: %s\n", path.filename().c_str(), s.error.c_str());
            ok = false;
            continue;
        }
        std::printf("%-18s %3d %6d %8.3f %8.2f %8.2f %10.2f %10.2f\n", path.filename().c_str(), s.channels, s.rate,
                    s.seconds, s.peakDb, s.rmsDb, s.typicalStep > 0 ? s.seamStep / s.typicalStep : 0.0,
                    s.seamLevelRatioDb);
        if (!spectrograms.empty() && path.extension() == ".mp3") {
            std::filesystem::create_directories(spectrograms);
            const std::string wav = spectrograms + "/" + path.stem().string() + ".wav";
            const std::string png = spectrograms + "/" + path.stem().string() + ".png";
            if (!writeWav(wav, s)) {
                ok = false;
                continue;
            }
            const std::string command = "sox '" + wav + "' -n remix - spectrogram -x 1600 -y 513 -z 96 -t '" +
                                        path.filename().string() + "' -o '" + png + "'";
            ok = std::system(command.c_str()) == 0 && ok;
            std::filesystem::remove(wav);
        }
    }
    return ok ? 0 : 1;
}
