#include "tools/sound/Stereo.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assets {

void Stereo::add(size_t frame, float value, float pan)
{
    if (frame >= frames()) return;
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * std::numbers::pi / 4.0;
    left[frame] += static_cast<float>(value * std::cos(angle) * std::numbers::sqrt2);
    right[frame] += static_cast<float>(value * std::sin(angle) * std::numbers::sqrt2);
}

void Stereo::mixIn(const Stereo& other, size_t at, float gain)
{
    for (size_t i = 0; i < other.frames() && at + i < frames(); ++i) {
        left[at + i] += other.left[i] * gain;
        right[at + i] += other.right[i] * gain;
    }
}

float Stereo::peak() const
{
    float p = 0.0f;
    for (size_t i = 0; i < frames(); ++i) p = std::max({p, std::abs(left[i]), std::abs(right[i])});
    return p;
}

void Stereo::normalize(double decibels)
{
    const float p = peak();
    if (p <= 0.0f) return;
    const float gain = static_cast<float>(std::pow(10.0, -decibels / 20.0) / p);
    for (size_t i = 0; i < frames(); ++i) {
        left[i] *= gain;
        right[i] *= gain;
    }
}

void Stereo::fadeIn(double seconds)
{
    const size_t n = std::min(frames(), static_cast<size_t>(seconds * rate));
    for (size_t i = 0; i < n; ++i) {
        const float g = static_cast<float>(std::sin(0.5 * std::numbers::pi * i / n));
        left[i] *= g * g;
        right[i] *= g * g;
    }
}

void Stereo::fadeOut(double seconds)
{
    const size_t n = std::min(frames(), static_cast<size_t>(seconds * rate));
    for (size_t i = 0; i < n; ++i) {
        const size_t k = frames() - 1 - i;
        const float g = static_cast<float>(std::sin(0.5 * std::numbers::pi * i / n));
        left[k] *= g * g;
        right[k] *= g * g;
    }
}

void Stereo::closeLoop(double overlap, bool equalPower)
{
    const size_t n = std::min(frames() / 2, static_cast<size_t>(overlap * rate));
    const size_t length = frames() - n;
    for (size_t i = 0; i < n; ++i) {
        const double t = (i + 0.5) / n;
        const double in = equalPower ? std::sin(0.5 * std::numbers::pi * t) : t;
        const double out = equalPower ? std::cos(0.5 * std::numbers::pi * t) : 1.0 - t;
        left[i] = static_cast<float>(left[i] * in + left[length + i] * out);
        right[i] = static_cast<float>(right[i] * in + right[length + i] * out);
    }
    left.resize(length);
    right.resize(length);
}

namespace {
constexpr double dcCutoff = 5.0;

void highPass(std::vector<float>& samples, bool loop)
{
    const size_t n = samples.size();
    if (n == 0) return;
    const double pole = std::exp(-2.0 * std::numbers::pi * dcCutoff / Stereo::rate);
    double previousIn = loop ? samples[n - 1] : 0.0, out = 0.0;
    for (size_t round = loop ? 0 : 1; round < 2; ++round) {
        for (size_t i = 0; i < n; ++i) {
            const double in = samples[i];
            out = in - previousIn + pole * out;
            previousIn = in;
            if (round == 1) samples[i] = static_cast<float>(out);
        }
    }
}

void centre(std::vector<float>& samples)
{
    const size_t n = samples.size();
    if (n == 0) return;
    double mean = 0.0;
    for (float v : samples) mean += v;
    mean /= static_cast<double>(n);
    // The bump 1 - cos averages 1 over the sound, so scaling it by the mean removes the mean.
    for (size_t i = 0; i < n; ++i) {
        const double bump = 1.0 - std::cos(2.0 * std::numbers::pi * (static_cast<double>(i) + 0.5) / static_cast<double>(n));
        samples[i] = static_cast<float>(samples[i] - mean * bump);
    }
}
}  // namespace

void Stereo::removeDc(bool loop)
{
    highPass(left, loop);
    highPass(right, loop);
}

void Stereo::centre()
{
    ::assets::centre(left);
    ::assets::centre(right);
}

std::vector<float> Stereo::interleaved(int channels) const
{
    std::vector<float> out;
    out.reserve(frames() * channels);
    for (size_t i = 0; i < frames(); ++i) {
        if (channels == 1) {
            out.push_back(0.5f * (left[i] + right[i]));
        } else {
            out.push_back(left[i]);
            out.push_back(right[i]);
        }
    }
    return out;
}

}  // namespace assets
