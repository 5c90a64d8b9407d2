#include "tools/show/SoundStats.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace assets {

namespace {
double toDb(double v) { return v > 0.0 ? 20.0 * std::log10(v) : -200.0; }
}  // namespace

SoundStats SoundStats::of(const std::string& path)
{
    SoundStats s;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        s.error = sf_strerror(nullptr);
        return s;
    }
    s.channels = info.channels;
    s.rate = info.samplerate;
    // Read to the end rather than trusting the header's frame count.
    std::vector<float> block(4096 * static_cast<size_t>(info.channels));
    for (;;) {
        const sf_count_t got = sf_readf_float(file, block.data(), 4096);
        if (got <= 0) break;
        s.samples.insert(s.samples.end(), block.begin(), block.begin() + got * info.channels);
    }
    sf_close(file);
    s.frames = static_cast<long>(s.samples.size() / std::max(1, s.channels));
    s.seconds = s.rate > 0 ? static_cast<double>(s.frames) / s.rate : 0.0;
    if (s.frames < 2) {
        s.error = "no samples";
        return s;
    }
    s.readable = true;
    double peak = 0.0, sum = 0.0;
    for (float v : s.samples) {
        peak = std::max(peak, static_cast<double>(std::abs(v)));
        sum += static_cast<double>(v) * v;
    }
    s.peakDb = toDb(peak);
    s.rmsDb = toDb(std::sqrt(sum / s.samples.size()));

    const int c = s.channels;
    std::vector<float> steps;
    steps.reserve(s.samples.size());
    for (long i = 0; i + 1 < s.frames; ++i)
        for (int ch = 0; ch < c; ++ch) steps.push_back(std::abs(s.samples[(i + 1) * c + ch] - s.samples[i * c + ch]));
    std::nth_element(steps.begin(), steps.begin() + static_cast<long>(steps.size() * 0.999), steps.end());
    s.typicalStep = steps[static_cast<size_t>(steps.size() * 0.999)];
    for (int ch = 0; ch < c; ++ch)
        s.seamStep = std::max(s.seamStep, static_cast<double>(std::abs(s.samples[ch] - s.samples[(s.frames - 1) * c + ch])));
    const long window = std::min<long>(s.frames / 2, s.rate / 50);
    double head = 0.0, tail = 0.0;
    for (long i = 0; i < window * c; ++i) {
        head += static_cast<double>(s.samples[i]) * s.samples[i];
        const float t = s.samples[(s.frames - window) * c + i];
        tail += static_cast<double>(t) * t;
    }
    s.seamLevelRatioDb = (head > 0.0 && tail > 0.0) ? 10.0 * std::log10(tail / head) : 0.0;
    return s;
}

}  // namespace assets
